// A program whose error output nobody reads any more goes on running, and the programs it opens
// start with the usual handling of a broken pipe.
#include "core/Rohrbruch.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs body in a child process and returns its wait status.
template <class Body>
int InChild(Body body)
{
    const pid_t child = fork();
    if (child == 0) _exit(body());
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

}

TEST(Rohrbruch, AWriteIntoAPipeNobodyReadsFailsInsteadOfEndingTheProgram)
{
    const int status = InChild([] {
        Rohrbruch_Ueberstehen();
        int ends[2];
        if (pipe(ends) != 0) return 2;
        close(ends[0]);
        const bool failed = write(ends[1], "warning\n", 8) < 0 && errno == EPIPE;
        return failed ? 0 : 1;
    });
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);

    // A program started from it (the PDF viewer, the mail program) is not made deaf to the signal.
    const int opened = InChild([] {
        Rohrbruch_Ueberstehen();
        execl("/bin/sh", "sh", "-c", "kill -PIPE $$; exit 3", static_cast<char*>(nullptr));
        return 2;
    });
    ASSERT_TRUE(WIFSIGNALED(opened)) << "exit " << WEXITSTATUS(opened);
    EXPECT_EQ(WTERMSIG(opened), SIGPIPE);
}

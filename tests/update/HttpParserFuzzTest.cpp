#include "update/HttpReply.h"
#include "update/HttpRequest.h"
#include "update/VersionFile.h"

#include <gtest/gtest.h>
#include <random>

// Random bytes and mutations of well-formed replies and version files: every parser must come
// back (no crash, no hang) and keep its own promises.
TEST(HttpParserFuzz, SurvivesRandomAndAdversarialInputs)
{
    const std::vector<std::string> seeds = {
        "HTTP/1.0 200 OK\r\nContent-Length: 12\r\nLocation: /a\r\n\r\n",
        "HTTP/1.1 302 Found\r\n location: x\r\nContent-Range: bytes 0-1/2\r\n\r\n",
        "v#2.33.0001/2.32.0880/3.18.0/1.0/1.0",
        "#99999.-1.+5//////",
        "HTTP/9 999 \r\n:\r\n::\r\nContent-Length: 99999999999999999999999\r\n\r\n",
    };
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string alphabet = "HTTP/1.0 :\r\n#./0123456789-+ Location Content-Length";
    for (int round = 0; round < 100000; ++round) {
        std::string input;
        if (round % 3 == 0) {
            input.resize(static_cast<size_t>(random() % 200));
            for (char& c : input) c = static_cast<char>(byte(random));
        } else {
            input = seeds[static_cast<size_t>(round) % seeds.size()];
            for (int edit = 0, edits = static_cast<int>(random() % 8); edit < edits && !input.empty(); ++edit) {
                const size_t at = random() % input.size();
                if (random() % 2) input[at] = alphabet[random() % alphabet.size()];
                else input.insert(at, std::string(random() % 40, alphabet[random() % alphabet.size()]));
            }
        }
        const http::ReplyHeader reply = http::ParseReplyHeader(input);
        ASSERT_TRUE(!reply.valid || (reply.status >= 0 && reply.status <= 999));
        const size_t end = http::HeaderEnd(input);
        ASSERT_TRUE(end == std::string::npos || end <= input.size());
        const auto number = http::LeadingNumber(reply.Field("Content-Length"));
        ASSERT_TRUE(!number || *number >= 0);
        ASSERT_TRUE(http::SplitHostPort(http::HostOfUrl(input)).port >= 1);
        if (const auto fields = versionfile::Fields(input))
            for (const std::string& field : *fields) versionfile::Compare(field, 2, 32, 880);
    }
}

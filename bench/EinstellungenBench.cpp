// Reading a settings file of up to 1 MB (the reader's bound) that holds only valid values: one
// read of the file, and the start-up's creation of the settings, which reads it for each setting.
#include "BenchUmgebung.h"
#include "core/SettingsFile.h"
#include "core/clsOptions.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {

// A valid settings file of about kilobytes KB: the program's key with that many values.
void Einstellungsdatei_Schreiben(int64_t kilobytes)
{
    std::string text = "[Software\\Murenko\\Settings]\nLang=text:3\n";
    for (int i = 0; text.size() < static_cast<size_t>(kilobytes) * 1000 - 80; ++i)
        text += "Value_" + std::to_string(i) + "=text:a value that some program left here again and again\n";
    std::filesystem::create_directories(SettingsFile::Location().parent_path());
    std::ofstream(SettingsFile::Location(), std::ios::binary) << text;
}

void BM_SettingsFileLoad(benchmark::State& state)
{
    BenchUmgebung umgebung;
    Einstellungsdatei_Schreiben(state.range(0));
    for (auto _ : state) {
        SettingsFile store;
        if (store.Load() != SettingsFile::State::Read || store.Damaged()) state.SkipWithError("not read whole");
        benchmark::DoNotOptimize(store.Find("Software\\Murenko\\Settings", "Lang"));
    }
    state.SetLabel(std::to_string(std::filesystem::file_size(SettingsFile::Location())) + " bytes");
}

void BM_SettingsAtStartUp(benchmark::State& state)
{
    BenchUmgebung umgebung;
    Einstellungsdatei_Schreiben(state.range(0));
    for (auto _ : state) {
        clsOptions options;
        if (options.Sprache() != 3) state.SkipWithError("the stored language was not read");
    }
    state.SetLabel(std::to_string(std::filesystem::file_size(SettingsFile::Location())) + " bytes");
}

}

BENCHMARK(BM_SettingsFileLoad)->Arg(4)->Arg(1040)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SettingsAtStartUp)->Arg(4)->Arg(1040)->Unit(benchmark::kMillisecond)->UseRealTime();

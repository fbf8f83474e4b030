// Loading a language's catalogs as the start does: the game's own, embedded
// in the program, and Qt's from the system's translations folder. English
// loads its catalog of plural forms and Qt's English one.
#include "app/Translations.h"

#include <benchmark/benchmark.h>

namespace {

void BM_LoadTranslations(benchmark::State& state, const char* pszLanguage)
{
    const QLocale locale(QString::fromLatin1(pszLanguage));
    for (auto _ : state) {
        CTranslations translations;
        if (translations.Load(locale).isEmpty())
            state.SkipWithError("no catalog for the language");
    }
}
BENCHMARK_CAPTURE(BM_LoadTranslations, en, "en")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LoadTranslations, de, "de")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LoadTranslations, he, "he")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LoadTranslations, ja, "ja")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LoadTranslations, sv, "sv")->Unit(benchmark::kMicrosecond);

} // namespace

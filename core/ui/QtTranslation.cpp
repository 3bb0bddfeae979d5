#include "core/ui/QtTranslation.h"

#include "core/clsLanguage.h"
#include "core/modCommon.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

constexpr int32_t kDeutsch = 0;  // the offset of the German texts

QPointer<QTranslator> translator;

}

void Qt_Sprache_Setzen()
{
    if (translator.isNull()) translator = new QTranslator(QCoreApplication::instance());
    QCoreApplication::removeTranslator(translator);
    if (!gLanguage || gLanguage->Offset() != kDeutsch) return;
    if (translator->isEmpty() &&
        !translator->load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(translator);
}

#pragma once
// Helpers shared by the parts of the project settings window.
#include "core/Runtime.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "core/modString.h"

#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QVariant>

namespace einstellungen {

// The entry of a table list that stands for no table.
inline const QString kKeineTabelle = "<..>";

inline QString Text(int32_t number) { return QString::fromStdString(gLanguage->Caption(number)); }

// Runs one step of the window's opening: a step that fails leaves its controls as they were and
// the opening goes on.
template <class Step>
void Uebersprungen(Step step)
{
    try {
        step();
    } catch (const rt::RuntimeError&) {
    }
}

// The factor typed into a box; an empty text or one that is no number raises "Type mismatch".
inline float Getippter_Faktor(const QLineEdit* box)
{
    const float faktor = StrToSingle(box->text().toStdString());
    if (box->text().trimmed().isEmpty() || faktor == Kein_Wert) rt::Raise(rt::errTypeMismatch);
    return faktor;
}

// Inserts an entry into a list kept in alphabetical order, letter case ignored; an entry equal to
// one present goes after it.
inline void Sortiert_Einfuegen(QComboBox* box, const QString& text, const QVariant& data)
{
    int position = 0;
    while (position < box->count() && QString::compare(box->itemText(position), text, Qt::CaseInsensitive) <= 0)
        ++position;
    box->insertItem(position, text, data);
}

}

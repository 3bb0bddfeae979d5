#include "core/ui/QtUiSeam.h"

#include "core/ui/frmError.h"
#include "core/ui/frmRecord.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/Vorschau.h"
#include "graphics/clsGrafik.h"
#include "mainwindow/ui/frmMain.h"

#include <QApplication>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>

namespace {

QMessageBox::StandardButtons ToQt(zelo::MsgButtons buttons)
{
    switch (buttons) {
    case zelo::MsgButtons::OKCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case zelo::MsgButtons::AbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case zelo::MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case zelo::MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case zelo::MsgButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon ToQt(zelo::MsgIcon icon)
{
    switch (icon) {
    case zelo::MsgIcon::Critical: return QMessageBox::Critical;
    case zelo::MsgIcon::Question: return QMessageBox::Question;
    case zelo::MsgIcon::Exclamation: return QMessageBox::Warning;
    case zelo::MsgIcon::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

zelo::MsgResult FromQt(int button)
{
    switch (button) {
    case QMessageBox::Cancel: return zelo::MsgResult::Cancel;
    case QMessageBox::Abort: return zelo::MsgResult::Abort;
    case QMessageBox::Retry: return zelo::MsgResult::Retry;
    case QMessageBox::Ignore: return zelo::MsgResult::Ignore;
    case QMessageBox::Yes: return zelo::MsgResult::Yes;
    case QMessageBox::No: return zelo::MsgResult::No;
    default: return zelo::MsgResult::OK;
    }
}

// The window a dialog belongs to: the open modal window (a dialog's caller), else the main window.
QWidget* DialogOwner()
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : gfrmMain.data();
}

QString FromModel(const std::string& text) { return QString::fromStdString(text); }

}

QStringList QtNameFilters(const std::vector<zelo::FileFilter>& filters)
{
    QStringList nameFilters;
    for (const zelo::FileFilter& filter : filters) {
        QStringList patterns = FromModel(filter.patterns).split(';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == "*.*") pattern = "*";
        }
        nameFilters << FromModel(filter.name) + " (" + patterns.join(' ') + ")";
    }
    return nameFilters;
}

zelo::MsgResult QtUiSeam::MsgBox(const std::string& text, zelo::MsgButtons buttons, zelo::MsgIcon icon,
                                 const std::string& title)
{
    QMessageBox box(ToQt(icon), QString::fromStdString(title), QString::fromStdString(text), ToQt(buttons),
                    DialogOwner());
    return FromQt(box.exec());
}

void QtUiSeam::ShowErrorWindow()
{
    frmError window(DialogOwner());
    window.exec();
}

void QtUiSeam::Redraw(bool keepYScaling)
{
    if (gGrafik) gGrafik->Zeichne(keepYScaling);
}

void QtUiSeam::ShowWindowPreview() { ::ShowWindowPreview(); }

void QtUiSeam::DoEvents() { QApplication::processEvents(); }

std::string QtUiSeam::OpenFileDialog(const std::string& title, const std::vector<zelo::FileFilter>& filters,
                                     const std::string& startFolder)
{
    const QString path = QFileDialog::getOpenFileName(DialogOwner(), FromModel(title), FromModel(startFolder),
                                                      QtNameFilters(filters).join(";;"), nullptr,
                                                      QFileDialog::HideNameFilterDetails);
    return path.toStdString();
}

std::string QtUiSeam::SaveFileDialog(const std::string& title, const std::vector<zelo::FileFilter>& filters,
                                     const std::string& startFolder)
{
    const QString path = QFileDialog::getSaveFileName(DialogOwner(), FromModel(title), FromModel(startFolder),
                                                      QtNameFilters(filters).join(";;"), nullptr,
                                                      QFileDialog::HideNameFilterDetails);
    return path.toStdString();
}

std::string QtUiSeam::FolderDialog(const std::string& title)
{
    return QFileDialog::getExistingDirectory(DialogOwner(), FromModel(title)).toStdString();
}

void QtUiSeam::AppendLogLine(const std::string& line)
{
    if (gfrmRecord) gfrmRecord->List1->addItem(FromModel(line));
}

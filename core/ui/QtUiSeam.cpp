#include "core/ui/QtUiSeam.h"

#include "core/ui/Meldungstext.h"
#include "core/ui/Titelbreite.h"
#include "core/ui/frmError.h"
#include "core/ui/frmRecord.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/Vorschau.h"
#include "graphics/clsGrafik.h"
#include "mainwindow/ui/frmMain.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QSpacerItem>
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

// The window a dialog belongs to: the open modal window (a dialog's caller), else the program's window
// the user works in (the element table, the calculator, the update window), else the main window.
QWidget* DialogOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    QWidget* active = QApplication::activeWindow();
    const Qt::WindowType type = active ? active->windowType() : Qt::Widget;
    if (active && active->isVisible() && (type == Qt::Window || type == Qt::Dialog || type == Qt::Tool)) return active;
    return gfrmMain.data();
}

// Once a dialog has closed, the window that raised it is active again with the focus where it was, so
// that the next key reaches that window and not the main window's default action.
class FokusZurueck {
public:
    explicit FokusZurueck(QWidget* owner) : window_(owner), focus_(owner ? owner->focusWidget() : nullptr) {}
    ~FokusZurueck()
    {
        if (!window_ || !window_->isVisible()) return;
        window_->activateWindow();
        if (focus_ && focus_->isVisible()) focus_->setFocus(Qt::ActiveWindowFocusReason);
    }
    FokusZurueck(const FokusZurueck&) = delete;
    FokusZurueck& operator=(const FokusZurueck&) = delete;

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> focus_;
};

QString FromModel(const std::string& text) { return QString::fromStdString(text); }

// A short message must not cut its title: the box, which sizes itself to its text, gets room as wide as
// the title bar needs.
void Titelbreite_Sichern(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const int breite = Titelleistenbreite(box.windowTitle());
    grid->addItem(new QSpacerItem(breite, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

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
    QWidget* owner = DialogOwner();
    const FokusZurueck zurueck(owner);
    QMessageBox box(ToQt(icon), QString::fromStdString(title), QString::fromStdString(text), ToQt(buttons), owner);
    // Messages carry file names and texts from outside (a server's reply): never read as markup.
    box.setTextFormat(Qt::PlainText);
    // The box grows with its text; a text longer than the screen gets a scrolling box of its own.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (auto* label = box.findChild<QLabel*>("qt_msgbox_label"); label && grid) Meldungstext_Begrenzen(*label, *grid);
    Titelbreite_Sichern(box);
    return FromQt(box.exec());
}

void QtUiSeam::ShowErrorWindow()
{
    QWidget* owner = DialogOwner();
    const FokusZurueck zurueck(owner);
    frmError window(owner);
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
    QWidget* owner = DialogOwner();
    const FokusZurueck zurueck(owner);
    const QString path = QFileDialog::getOpenFileName(owner, FromModel(title), FromModel(startFolder),
                                                      QtNameFilters(filters).join(";;"), nullptr,
                                                      QFileDialog::HideNameFilterDetails);
    return path.toStdString();
}

std::string QtUiSeam::SaveFileDialog(const std::string& title, const std::vector<zelo::FileFilter>& filters,
                                     const std::string& startFolder)
{
    QWidget* owner = DialogOwner();
    const FokusZurueck zurueck(owner);
    const QString path = QFileDialog::getSaveFileName(owner, FromModel(title), FromModel(startFolder),
                                                      QtNameFilters(filters).join(";;"), nullptr,
                                                      QFileDialog::HideNameFilterDetails);
    return path.toStdString();
}

std::string QtUiSeam::FolderDialog(const std::string& title)
{
    QWidget* owner = DialogOwner();
    const FokusZurueck zurueck(owner);
    return QFileDialog::getExistingDirectory(owner, FromModel(title)).toStdString();
}

void QtUiSeam::AppendLogLine(const std::string& line)
{
    if (gfrmRecord) gfrmRecord->List1->addItem(FromModel(line));
}

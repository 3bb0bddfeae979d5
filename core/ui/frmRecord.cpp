#include "core/ui/frmRecord.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

frmRecord::frmRecord(QWidget* owner) : QDialog(owner), txtRecord_(new QPlainTextEdit(this))
{
    setWindowTitle("Record File");
    txtRecord_->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtRecord_);
    resize(480, 360);
}

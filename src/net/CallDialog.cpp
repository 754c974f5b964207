// The call dialog's controls.
#include "CallDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>

#include "ButtonIcon.h"

namespace {

// Turns whatever is typed or pasted into upper case, as the address has always been shown.
class TUpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

} // namespace

TCallDlg::TCallDlg(QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
            | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("Call"));

    GroupBox1 = new QGroupBox(tr("Conditions"), this);
    GroupBox2 = new QGroupBox(tr("You play"), GroupBox1);
    // Nested in "Conditions", the boxes would be announced by the outer title: each says its own.
    GroupBox2->setAccessibleName(GroupBox2->title());
    CallNetWhite = new QRadioButton(tr("&Yellow"), GroupBox2);
    CallNetBlack = new QRadioButton(tr("&Green"), GroupBox2);
    auto* sideLayout = new QVBoxLayout(GroupBox2);
    sideLayout->addWidget(CallNetWhite);
    sideLayout->addWidget(CallNetBlack);

    GroupBox3 = new QGroupBox(tr("Field size"), GroupBox1);
    GroupBox3->setAccessibleName(GroupBox3->title());
    CallNetSize8 = new QRadioButton(tr("&8 x 8"), GroupBox3);
    CallNetSize10 = new QRadioButton(tr("&10 x 10"), GroupBox3);
    auto* sizeLayout = new QVBoxLayout(GroupBox3);
    sizeLayout->addWidget(CallNetSize8);
    sizeLayout->addWidget(CallNetSize10);

    auto* conditions = new QHBoxLayout(GroupBox1);
    conditions->addWidget(GroupBox2);
    conditions->addWidget(GroupBox3);

    GroupBox4 = new QGroupBox(tr("Computer name or IP address"), this);
    NetCallAddress = new QLineEdit(GroupBox4);
    NetCallAddress->setValidator(new TUpperCaseValidator(NetCallAddress));
    NetCallAddress->setMaxLength(255); // the longest host name there can be
    // Room for a long host name without scrolling.
    NetCallAddress->setMinimumWidth(NetCallAddress->fontMetrics().averageCharWidth() * 32);
    auto* addressLayout = new QVBoxLayout(GroupBox4);
    addressLayout->addWidget(NetCallAddress);

    OKBtn = new QPushButton(
        ButtonIcon("ICON_CALL", QStyle::SP_DialogOkButton), tr("&Call"), this);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    CancelBtn = new QPushButton(
        ButtonIcon(QStyle::SP_DialogCancelButton), tr("C&ancel"), this);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    QHBoxLayout* buttons = CentredButtonRow(OKBtn, CancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    FormCreate();
}

void TCallDlg::FormCreate()
{
    CallNetWhite->setChecked(true);
    CallNetSize10->setChecked(true);
}

void TCallDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    NetCallAddress->setFocus();
    NetCallAddress->selectAll();
}

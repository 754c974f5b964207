// The settings dialog's controls and what it writes back.
#include "SettingsDialog.h"

#include <cstdio>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "Board.h"
#include "Evaluation.h"
#include "ProfileFile.h"
#include "Search.h"
#include "Settings.h"
#include "Sound.h"

namespace {

QGroupBox* Box(const QString& title, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    new QVBoxLayout(box);
    return box;
}

template <class W> W* Add(QGroupBox* box, W* w)
{
    box->layout()->addWidget(w);
    return w;
}

} // namespace

TSideDlg::TSideDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Settings"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
        | Qt::WindowCloseButtonHint);

    Pages = new QTabWidget(this);

    auto* opponentPage = new QWidget;
    auto* opponentLayout = new QHBoxLayout(opponentPage);
    OpponentBox = Box(QStringLiteral("Opponent"), opponentPage);
    ComputerButton = Add(OpponentBox, new QRadioButton(QStringLiteral("&Computer")));
    PlayerButton = Add(OpponentBox, new QRadioButton(QStringLiteral("&Player")));
    SideBox = Box(QStringLiteral("You play"), opponentPage);
    YellowButton = Add(SideBox, new QRadioButton(QStringLiteral("&Yellow")));
    GreenButton = Add(SideBox, new QRadioButton(QStringLiteral("&Green")));
    opponentLayout->addWidget(OpponentBox);
    opponentLayout->addWidget(SideBox);
    Pages->addTab(opponentPage, QStringLiteral("O&pponent"));

    auto* levelPage = new QWidget;
    auto* levelLayout = new QHBoxLayout(levelPage);
    LevelBox = Box(QStringLiteral("Computer's level"), levelPage);
    LevelBar = Add(LevelBox, new QSlider(Qt::Horizontal));
    LevelBar->setRange(1, 9);
    LevelBar->setSingleStep(1);
    LevelBar->setPageStep(1);
    LevelBar->setTickPosition(QSlider::TicksBelow);
    LevelBar->setTickInterval(1);
    LevelBar->setMinimumWidth(150);
    SizeBox = Box(QStringLiteral("Field size"), levelPage);
    Size8Button = Add(SizeBox, new QRadioButton(QStringLiteral("&8 x 8")));
    Size10Button = Add(SizeBox, new QRadioButton(QStringLiteral("&10 x 10")));
    levelLayout->addWidget(LevelBox, 2);
    levelLayout->addWidget(SizeBox, 1);
    Pages->addTab(levelPage, QStringLiteral("&Level"));

    auto* mediaPage = new QWidget;
    auto* mediaLayout = new QHBoxLayout(mediaPage);
    FiguresBox = Box(QStringLiteral("Figures"), mediaPage);
    FiguresList = Add(FiguresBox, new QComboBox);
    FiguresList->addItems(
        { QStringLiteral("Flame"), QStringLiteral("Classic"), QStringLiteral("Ancient") });
    FiguresBox->layout()->addItem(
        new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));
    MediaBox = Box(QStringLiteral("Media"), mediaPage);
    SoundCheck = Add(MediaBox, new QCheckBox(QStringLiteral("&Sound")));
    AnimationCheck = Add(MediaBox, new QCheckBox(QStringLiteral("A&nimation")));
    TrayCheck = Add(MediaBox, new QCheckBox(QStringLiteral("Sys&Tray")));
    mediaLayout->addWidget(FiguresBox);
    mediaLayout->addWidget(MediaBox);
    Pages->addTab(mediaPage, QStringLiteral("&Media"));

    auto* advancedPage = new QWidget;
    auto* advancedLayout = new QVBoxLayout(advancedPage);
    AdvancedBox = Box(QStringLiteral("Advanced"), advancedPage);
    RightClickBox = Add(AdvancedBox, Box(QStringLiteral("On right mouse click show"), nullptr));
    PreviousMoveCheck = Add(RightClickBox, new QCheckBox(QStringLiteral("&Previous move")));
    AvailableMovesCheck = Add(RightClickBox, new QCheckBox(QStringLiteral("A&vailable moves")));
    auto* engineRow = new QHBoxLayout;
    EngineLabel = new QLabel(QStringLiteral("Think engine"));
    EngineList = new QComboBox;
    EngineList->addItems({ QStringLiteral("normal"), QStringLiteral("advanced") });
    EngineLabel->setBuddy(EngineList);
    engineRow->addWidget(EngineLabel);
    engineRow->addWidget(EngineList, 1);
    static_cast<QVBoxLayout*>(AdvancedBox->layout())->addLayout(engineRow);
    advancedLayout->addWidget(AdvancedBox);
    Pages->addTab(advancedPage, QStringLiteral("&Advanced"));

    OkButton = new QPushButton(QStringLiteral("&Ok"));
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, [this] { done(1); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Pages);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ComputerButton, &QRadioButton::toggled, this, [this] { UpdateSideButtons(); });
    connect(PlayerButton, &QRadioButton::toggled, this, [this] { UpdateSideButtons(); });
    connect(LevelBar, &QSlider::valueChanged, this, [this] { FormShow(); });

    FormCreate();
}

TSideDlg::~TSideDlg()
{
    if (const Status written = FormDestroy(); !written)
        std::fprintf(stderr, "corvana: %s\n", written.Failure().Message.c_str());
}

void TSideDlg::FormCreate() { SetValues(CurrentSettings()); }

void TSideDlg::SetValues(const GameSettings& s)
{
    (s.OpponentIsComputer ? ComputerButton : PlayerButton)->setChecked(true);
    (s.ComputerSide == SideGreen ? YellowButton : GreenButton)->setChecked(true);
    LevelBar->setValue(s.Level);
    (s.BoardSize == 8 ? Size8Button : Size10Button)->setChecked(true);
    FiguresList->setCurrentIndex(s.FigureSet);
    SoundCheck->setChecked(s.SoundOn);
    AnimationCheck->setChecked(s.AnimationOn);
    TrayCheck->setChecked(s.UseTray);
    PreviousMoveCheck->setChecked(s.ShowPreviousMove);
    AvailableMovesCheck->setChecked(s.ShowAvailableMoves);
    EngineList->setCurrentIndex(s.AdvancedEngine ? 1 : 0);
    UpdateSideButtons();
    FormShow();
}

GameSettings TSideDlg::Values() const
{
    GameSettings s;
    s.OpponentIsComputer = ComputerButton->isChecked();
    s.ComputerSide = YellowButton->isChecked() ? SideGreen : SideYellow;
    s.Level = LevelBar->value();
    s.BoardSize = Size8Button->isChecked() ? 8 : 10;
    s.FigureSet = FiguresList->currentIndex();
    s.SoundOn = SoundCheck->isChecked();
    s.AnimationOn = AnimationCheck->isChecked();
    s.UseTray = TrayCheck->isChecked();
    s.ShowPreviousMove = PreviousMoveCheck->isChecked();
    s.ShowAvailableMoves = AvailableMovesCheck->isChecked();
    s.AdvancedEngine = EngineList->currentIndex() == 1;
    return s;
}

void TSideDlg::FormShow()
{
    LevelBox->setTitle(QStringLiteral("Computer level %1").arg(LevelBar->value()));
}

void TSideDlg::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TSideDlg::UpdateSideButtons()
{
    const bool computer = ComputerButton->isChecked();
    YellowButton->setEnabled(computer);
    GreenButton->setEnabled(computer);
}

void TSideDlg::ShowBoardSize(int size)
{
    (size == 8 ? Size8Button : Size10Button)->setChecked(true);
}

void TSideDlg::ShowPlayers(int computerSide, bool opponentIsComputer)
{
    (computerSide == SideGreen ? YellowButton : GreenButton)->setChecked(true);
    (opponentIsComputer ? ComputerButton : PlayerButton)->setChecked(true);
}

void TSideDlg::SetGameSettingsEnabled(bool enabled)
{
    for (QWidget* w :
        std::initializer_list<QWidget*> { ComputerButton, PlayerButton, YellowButton, GreenButton,
            Size8Button, Size10Button, LevelBar, OpponentBox, SideBox, LevelBox, MediaBox })
        w->setEnabled(enabled);
    if (enabled)
        UpdateSideButtons();
}

Status TSideDlg::FormDestroy()
{
    if (Written)
        return {};
    Written = true;
    // What the controls show, not the variables: the file keeps what the dialog last showed.
    const GameSettings v = Values();
    return WriteSettingsSection("options",
        {
            { "gamet", v.OpponentIsComputer ? "computer" : "human" },
            { "level", std::to_string(v.Level) },
            { "youpl", v.ComputerSide == SideGreen ? "white" : "black" },
            { "sndef", v.SoundOn ? "yes" : "no" },
            { "anief", v.AnimationOn ? "yes" : "no" },
            { "tfigs", FigureSetStoredName(v.FigureSet) },
            { "brdim", v.BoardSize == 8 ? "8" : "10" },
            { "usetr", v.UseTray ? "yes" : "no" },
            { "prevm", v.ShowPreviousMove ? "show" : "hide" },
            { "avmov", v.ShowAvailableMoves ? "show" : "hide" },
            { "engit", v.AdvancedEngine ? "advn" : "norm" },
        });
}

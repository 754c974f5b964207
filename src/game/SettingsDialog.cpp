// The settings dialog's controls and what it writes back.
#include "SettingsDialog.h"

#include <algorithm>
#include <cstdio>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
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

// The engines in the order of the list: the two of the original, then the master engine.
constexpr EngineKind EngineChoices[]
    = { EngineKind::Normal, EngineKind::Advanced, EngineKind::Master };

int EngineListIndex(EngineKind kind)
{
    const auto* at = std::find(std::begin(EngineChoices), std::end(EngineChoices), kind);
    return at == std::end(EngineChoices) ? 0 : int(at - std::begin(EngineChoices));
}

EngineKind EngineAtListIndex(int index)
{
    return index > 0 && index < int(std::size(EngineChoices)) ? EngineChoices[index]
                                                              : EngineKind::Normal;
}

} // namespace

TSideDlg::TSideDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Settings"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
        | Qt::WindowCloseButtonHint);

    Pages = new QTabWidget(this);
    // Every page's tab stays in sight: the dialog widens to the tabs rather than hiding
    // some of them behind scroll arrows (the translations have longer names).
    Pages->tabBar()->setUsesScrollButtons(false);
    Pages->tabBar()->setElideMode(Qt::ElideNone);

    auto* opponentPage = new QWidget;
    auto* opponentLayout = new QHBoxLayout(opponentPage);
    OpponentBox = Box(tr("Opponent"), opponentPage);
    ComputerButton = Add(OpponentBox, new QRadioButton(tr("&Computer")));
    PlayerButton = Add(OpponentBox, new QRadioButton(tr("&Player")));
    SideBox = Box(tr("You play"), opponentPage);
    YellowButton = Add(SideBox, new QRadioButton(tr("&Yellow")));
    GreenButton = Add(SideBox, new QRadioButton(tr("&Green")));
    opponentLayout->addWidget(OpponentBox);
    opponentLayout->addWidget(SideBox);
    Pages->addTab(opponentPage, tr("O&pponent"));

    auto* levelPage = new QWidget;
    auto* levelLayout = new QHBoxLayout(levelPage);
    LevelBox = Box(tr("Computer's level"), levelPage);
    LevelBar = Add(LevelBox, new QSlider(Qt::Horizontal));
    LevelBar->setRange(1, 9);
    LevelBar->setSingleStep(1);
    LevelBar->setPageStep(1);
    LevelBar->setTickPosition(QSlider::TicksBelow);
    LevelBar->setTickInterval(1);
    LevelBar->setMinimumWidth(150);
    SizeBox = Box(tr("Field size"), levelPage);
    Size8Button = Add(SizeBox, new QRadioButton(tr("&8 x 8")));
    Size10Button = Add(SizeBox, new QRadioButton(tr("&10 x 10")));
    levelLayout->addWidget(LevelBox, 2);
    levelLayout->addWidget(SizeBox, 1);
    Pages->addTab(levelPage, tr("&Level"));

    auto* mediaPage = new QWidget;
    auto* mediaLayout = new QHBoxLayout(mediaPage);
    FiguresBox = Box(tr("Figures"), mediaPage);
    FiguresList = Add(FiguresBox, new QComboBox);
    FiguresList->addItems({ tr("Flame"), tr("Classic"), tr("Ancient") });
    FiguresBox->layout()->addItem(
        new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));
    MediaBox = Box(tr("Media"), mediaPage);
    SoundCheck = Add(MediaBox, new QCheckBox(tr("&Sound")));
    AnimationCheck = Add(MediaBox, new QCheckBox(tr("A&nimation")));
    TrayCheck = Add(MediaBox, new QCheckBox(tr("Sys&Tray")));
    mediaLayout->addWidget(FiguresBox);
    mediaLayout->addWidget(MediaBox);
    Pages->addTab(mediaPage, tr("&Media"));

    auto* advancedPage = new QWidget;
    auto* advancedLayout = new QVBoxLayout(advancedPage);
    AdvancedBox = Box(tr("Advanced"), advancedPage);
    RightClickBox = Add(AdvancedBox, Box(tr("On right mouse click show"), nullptr));
    PreviousMoveCheck = Add(RightClickBox, new QCheckBox(tr("&Previous move")));
    AvailableMovesCheck = Add(RightClickBox, new QCheckBox(tr("A&vailable moves")));
    auto* engineRow = new QHBoxLayout;
    EngineLabel = new QLabel(tr("Think engine"));
    EngineList = new QComboBox;
    EngineList->addItems({ tr("normal"), tr("advanced"), tr("master") });
    EngineLabel->setBuddy(EngineList);
    engineRow->addWidget(EngineLabel);
    engineRow->addWidget(EngineList, 1);
    static_cast<QVBoxLayout*>(AdvancedBox->layout())->addLayout(engineRow);
    advancedLayout->addWidget(AdvancedBox);
    Pages->addTab(advancedPage, tr("&Advanced"));

    auto* extrasPage = new QWidget;
    auto* extrasLayout = new QVBoxLayout(extrasPage);
    QGroupBox* boardBox = Box(tr("On the board"), extrasPage);
    LastMoveMarkCheck = Add(boardBox, new QCheckBox(tr("Mark the last mov&e")));
    LegalMoveMarksCheck = Add(boardBox, new QCheckBox(tr("Mark the legal s&quares")));
    auto* speedRow = new QHBoxLayout;
    auto* speedLabel = new QLabel(tr("Animation spee&d"));
    SpeedList = new QComboBox;
    SpeedList->addItems({ tr("slow"), tr("normal"), tr("fast") });
    speedLabel->setBuddy(SpeedList);
    speedRow->addWidget(speedLabel);
    speedRow->addWidget(SpeedList, 1);
    static_cast<QVBoxLayout*>(boardBox->layout())->addLayout(speedRow);
    QGroupBox* gameBox = Box(tr("The game"), extrasPage);
    MoveListCheck = Add(gameBox, new QCheckBox(tr("Show the move l&ist")));
    ResumeCheck = Add(gameBox, new QCheckBox(tr("&Keep an unfinished game to resume")));
    MoveValuesCheck = Add(gameBox, new QCheckBox(tr("Show move &values")));
    extrasLayout->addWidget(boardBox);
    extrasLayout->addWidget(gameBox);
    Pages->addTab(extrasPage, tr("E&xtras"));

    OkButton = new QPushButton(tr("&Ok"));
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

    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);

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
    EngineList->setCurrentIndex(EngineListIndex(s.Engine));
    MoveListCheck->setChecked(s.Extra.ShowMoveList);
    LastMoveMarkCheck->setChecked(s.Extra.MarkLastMove);
    LegalMoveMarksCheck->setChecked(s.Extra.MarkLegalMoves);
    SpeedList->setCurrentIndex(s.Extra.AnimationFrameMs > 55 ? 0
            : s.Extra.AnimationFrameMs < 55                  ? 2
                                                             : 1);
    ResumeCheck->setChecked(s.Extra.ResumeLastGame);
    MoveValuesCheck->setChecked(s.Extra.ShowMoveValues);
    LastFolder = s.Extra.LastFolder;
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
    s.Engine = EngineAtListIndex(EngineList->currentIndex());
    s.Extra.ShowMoveList = MoveListCheck->isChecked();
    s.Extra.MarkLastMove = LastMoveMarkCheck->isChecked();
    s.Extra.MarkLegalMoves = LegalMoveMarksCheck->isChecked();
    s.Extra.AnimationFrameMs = AnimationFrameMsChoices[std::clamp(SpeedList->currentIndex(), 0, 2)];
    s.Extra.ResumeLastGame = ResumeCheck->isChecked();
    s.Extra.ShowMoveValues = MoveValuesCheck->isChecked();
    s.Extra.LastFolder = LastFolder;
    return s;
}

void TSideDlg::FormShow() { LevelBox->setTitle(tr("Computer level %1").arg(LevelBar->value())); }

void TSideDlg::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

bool TSideDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_P || key->modifiers() != Qt::AltModifier)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept(); // ours, not the three mnemonics'
        return true;
    }
    NextAltP();
    return true;
}

void TSideDlg::NextAltP()
{
    QWidget* focus = focusWidget();
    if (focus == PlayerButton) {
        Pages->setCurrentIndex(3);
        PreviousMoveCheck->setFocus(Qt::ShortcutFocusReason);
    } else if (focus == Pages->tabBar() && Pages->currentIndex() == 0) {
        PlayerButton->setFocus(Qt::ShortcutFocusReason);
    } else {
        Pages->setCurrentIndex(0);
        Pages->tabBar()->setFocus(Qt::ShortcutFocusReason);
    }
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
    // At program end the window has normally written everything already, the dialog's values
    // among them; a dialog that goes first writes them itself.
    if (ExitSettingsDone)
        return {};
    ExitSettingsDone = true;
    return WriteSettingsAtExit(Values());
}

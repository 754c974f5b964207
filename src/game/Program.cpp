// Start-up order and the command line.
#include "Program.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "Call.h"
#include "ChoiceUnit.h"
#include "FinalUnit.h"
#include "MainUnit.h"
#include "R_BRD.h"
#include "Request.h"
#include "ResourceStore.h"
#include "RulersUnit.h"
#include "Send.h"
#include "Settings.h"
#include "SideUnit.h"

namespace {

struct Parser {
    QCommandLineParser Line;
    QCommandLineOption Help = Line.addHelpOption();
    QCommandLineOption Version = Line.addVersionOption();
    QCommandLineOption Config { QStringLiteral("config"),
        QStringLiteral(
            "Read and write the settings in <file> instead of ~/.config/corvana/reversi.ini."),
        QStringLiteral("file") };
    Parser()
    {
        Line.setApplicationDescription(QStringLiteral("Corvana, a game of Reversi."));
        Line.addOption(Config);
        Line.addPositionalArgument(QStringLiteral("game"),
            QStringLiteral("A saved game (.kpx) to open."), QStringLiteral("[game]"));
    }
};

} // namespace

bool AnswerHelpOrVersion(const QStringList& arguments)
{
    Parser p;
    p.Line.parse(arguments);
    if (p.Line.isSet(p.Version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
            qPrintable(QCoreApplication::applicationVersion()));
        return true;
    }
    if (p.Line.isSet(p.Help)) {
        QString text = p.Line.helpText();
        text.replace(QStringLiteral("<executable_name>"), QStringLiteral("corvana"));
        std::printf("%s", qPrintable(text));
        return true;
    }
    return false;
}

TProgramOptions ParseCommandLine(const QStringList& arguments)
{
    Parser p;
    p.Line.process(arguments);
    TProgramOptions options;
    if (p.Line.isSet(p.Config))
        options.SettingsFile = p.Line.value(p.Config).toStdString();
    const QStringList games = p.Line.positionalArguments();
    if (games.size() > 1) {
        std::fprintf(stderr, "corvana: only one saved game can be opened\n");
        std::exit(2);
    }
    if (!games.isEmpty())
        options.GameFile = games.first();
    return options;
}

TProgram::TProgram(const TProgramOptions& options)
    : GameFile(options.GameFile)
{
    SettingsFile = options.SettingsFile.empty() ? DefaultSettingsFile() : options.SettingsFile;
    MainForm = std::make_unique<TReversiForm>();
    TReversiForm* form = MainForm.get();
    SideDlg = std::make_unique<TSideDlg>(form);
    FinalDlg = std::make_unique<TFinalDlg>(form);
    CallDlg = std::make_unique<TCallDlg>(form);
    SendDlg = std::make_unique<TSendDlg>(form);
    CallReq = std::make_unique<TCallReq>(form);
    RulersDlg = std::make_unique<TRulersDlg>(form);
    if (const ResourceLookup rules = FindResource("RULERS_TEXT"))
        RulersDlg->LoadRules(rules.Entry->Bytes);
    RemoteField = std::make_unique<TRemoteField>(form);
    Choice = std::make_unique<TChoice>(form);
    form->SetDialogs(SideDlg.get(), FinalDlg.get(), Choice.get(), RulersDlg.get());
    form->SetNetDialogs(CallDlg.get(), SendDlg.get(), CallReq.get(), RemoteField.get());
}

TProgram::~TProgram()
{
    // The dialogs go before the main window, the settings dialog writing its keys on the way.
    Choice.reset();
    RemoteField.reset();
    RulersDlg.reset();
    CallReq.reset();
    SendDlg.reset();
    CallDlg.reset();
    FinalDlg.reset();
    SideDlg.reset();
    MainForm.reset();
}

void TProgram::Start() { MainForm->Start(GameFile); }

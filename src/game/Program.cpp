// Start-up order and the command line.
#include "Program.h"

#include <string_view>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

#include "AboutWindow.h"
#include "CallDialog.h"
#include "CallRequestDialog.h"
#include "ChatDialog.h"
#include "ChoiceDialog.h"
#include "MainWindow.h"
#include "RemoteBoardWindow.h"
#include "ResourceStore.h"
#include "ResultDialog.h"
#include "RulesWindow.h"
#include "Settings.h"
#include "SettingsDialog.h"

namespace {

// The toolkit's own options, which the application takes from the command line itself; the ones
// in the first list are followed by a value.
const char* const ToolkitOptionsWithValue[] = { "platform", "platformpluginpath", "platformtheme",
    "plugin", "qwindowgeometry", "geometry", "qwindowtitle", "title", "qwindowicon", "icon",
    "session", "style", "stylesheet", "display", "name", "dialogs", "fontengine", "qmljsdebugger" };
const char* const ToolkitFlags[] = { "reverse", "widgetcount", "nograb", "dograb", "sync" };

QString ToolkitOptionsText()
{
    QStringList names;
    for (const char* name : ToolkitOptionsWithValue)
        names << QStringLiteral("-%1 <value>").arg(QString::fromLatin1(name));
    for (const char* name : ToolkitFlags)
        names << QStringLiteral("-") + QString::fromLatin1(name);
    return QStringLiteral("\nQt's own options, passed on to the toolkit:\n  %1\n")
        .arg(names.join(QStringLiteral("\n  ")));
}

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
        Line.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        Line.addOption(Config);
        Line.addPositionalArgument(QStringLiteral("game"),
            QStringLiteral("A saved game (.kpx) to open."), QStringLiteral("[game]"));
        for (const char* name : ToolkitOptionsWithValue) {
            QCommandLineOption o(QString::fromLatin1(name), QString(), QStringLiteral("value"));
            o.setFlags(QCommandLineOption::HiddenFromHelp);
            Line.addOption(o);
        }
        for (const char* name : ToolkitFlags) {
            QCommandLineOption o(QString::fromLatin1(name));
            o.setFlags(QCommandLineOption::HiddenFromHelp);
            Line.addOption(o);
        }
    }
    QString HelpText() const
    {
        QString text = Line.helpText();
        text.replace(QStringLiteral("<executable_name>"), QStringLiteral("corvana"));
        return text;
    }
};

} // namespace

TCommandLine ReadCommandLine(const QStringList& arguments)
{
    Parser p;
    TCommandLine line;
    if (!p.Line.parse(arguments)) {
        line.What = TCommandLine::Mistake;
        line.Text = QStringLiteral("corvana: %1\n\n%2").arg(p.Line.errorText(), p.HelpText());
        return line;
    }
    if (p.Line.isSet(p.Version)) {
        line.What = TCommandLine::Version;
        // The version, and the licence as the About window states it.
        line.Text = QStringLiteral("%1 %2\n%3\n")
                        .arg(QCoreApplication::applicationName(),
                            QCoreApplication::applicationVersion(), AboutLicence());
        return line;
    }
    // "--help-all" is the parser's own addition to "--help"; here it also names the toolkit's
    // options, which the help text otherwise keeps out of sight.
    const bool helpAll = p.Line.isSet(QStringLiteral("help-all"));
    if (p.Line.isSet(p.Help) || helpAll) {
        line.What = TCommandLine::Help;
        line.Text = p.HelpText();
        if (helpAll)
            line.Text += ToolkitOptionsText();
        return line;
    }
    if (p.Line.isSet(p.Config))
        line.Options.SettingsFile = p.Line.value(p.Config).toStdString();
    const QStringList games = p.Line.positionalArguments();
    if (games.size() > 1) {
        line.What = TCommandLine::Mistake;
        line.Text = QStringLiteral("corvana: only one saved game can be opened\n\n") + p.HelpText();
        return line;
    }
    if (!games.isEmpty())
        line.Options.GameFile = games.first();
    return line;
}

namespace {

QTranslator& ProgramTranslator()
{
    static QTranslator translator;
    return translator;
}

QTranslator& QtTranslator()
{
    static QTranslator translator;
    return translator;
}

} // namespace

void RemoveTranslations()
{
    QCoreApplication::removeTranslator(&ProgramTranslator());
    QCoreApplication::removeTranslator(&QtTranslator());
}

bool InstallTranslations(const QLocale& locale)
{
    RemoveTranslations();
    QTranslator& program = ProgramTranslator();
    const QString folder = QStringLiteral(":/i18n");
    if (!program.load(locale, QStringLiteral("corvana"), QStringLiteral("_"), folder)
        && !program.load(QStringLiteral("corvana_en"), folder))
        return false;
    QCoreApplication::installTranslator(&program);
    QTranslator& qt = QtTranslator();
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    return true;
}

std::string RulesResourceName()
{
    if (ProgramTranslator().isEmpty())
        return "RULERS_TEXT";
    const QString language = ProgramTranslator().language();
    if (language.startsWith(QStringLiteral("de")))
        return "RULERS_TEXT_DE";
    if (language.startsWith(QStringLiteral("ru")))
        return "RULERS_TEXT_RU";
    return "RULERS_TEXT";
}

bool AsksForOriginalTexts(const char* lcAll, const char* lcMessages, const char* lang)
{
    const char* chosen = nullptr;
    for (const char* value : { lcAll, lcMessages, lang })
        if (!chosen && value && *value)
            chosen = value;
    if (!chosen)
        return true;
    const std::string_view name(chosen);
    return name == "C" || name == "POSIX";
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
    if (const Result<ResourceEntry> rules = FindResource(RulesResourceName())) {
        // The window shows what could be read; the rest is worth a line for whoever looks.
        if (const Status shown = RulersDlg->LoadRules(rules.Value().Bytes); !shown)
            std::fprintf(stderr, "corvana: %s\n", shown.Failure().Message.c_str());
    }
    RulersDlg->ShowProgramHelp();
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

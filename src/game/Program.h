// The program as its entry point starts it: the command line, then the main window, then the
// dialogs that live as long as it does, in that order (the main window reads the settings the
// dialogs then show). Used by main() and by the tests that start the program.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>

class TCallDlg;
class TCallReq;
class TChoice;
class TFinalDlg;
class TRemoteField;
class TReversiForm;
class TRulersDlg;
class TSendDlg;
class TSideDlg;

struct TProgramOptions {
    std::string SettingsFile; // empty: the default one
    QString GameFile; // a saved game to open at start-up, or empty
};

// What the command line asks for. It is read before the application exists, so that help,
// version and mistakes are answered without a window system.
struct TCommandLine {
    enum Action {
        Run, // start the program with Options
        Help, // print Text on standard output, exit 0
        Version, // the same
        Mistake, // print Text (the mistake and the usage) on standard error, exit 2
    };
    Action What = Run;
    TProgramOptions Options;
    QString Text;
};

// Reads the whole command line (the toolkit's own options, such as -platform, are let through
// for the application to take).
TCommandLine ReadCommandLine(const QStringList& arguments);

// Installs the program's translation for locale, and Qt's own for the standard dialogs: the
// locale's own where the program has one (German, Russian), English for every other, so that no
// one reads the call request's Russian captions but a Russian reader. The texts as written stay
// only where no translation is installed (RemoveTranslations). True when one was installed.
bool InstallTranslations(const QLocale& locale);
void RemoveTranslations();
// The rules document of the translation installed: "RULERS_TEXT_DE" under the German one,
// "RULERS_TEXT_RU" under the Russian one, "RULERS_TEXT" (English) otherwise.
std::string RulesResourceName();

// Whether the environment chooses the C or POSIX locale for messages (LC_ALL, else LC_MESSAGES,
// else LANG, as the C library reads them; none set counts as C). There the program shows its
// texts as they were written. "C.UTF-8", a usual default of systems where no one chose a
// language, is not that: it gets English.
bool AsksForOriginalTexts(const char* lcAll, const char* lcMessages, const char* lang);

class TProgram {
public:
    explicit TProgram(const TProgramOptions& options);
    ~TProgram();

    // Shows the main window and starts the first game, or opens the named one.
    void Start();

    TReversiForm& Form() { return *MainForm; }

private:
    QString GameFile;
    std::unique_ptr<TReversiForm> MainForm;
    std::unique_ptr<TSideDlg> SideDlg;
    std::unique_ptr<TFinalDlg> FinalDlg;
    std::unique_ptr<TCallDlg> CallDlg;
    std::unique_ptr<TSendDlg> SendDlg;
    std::unique_ptr<TCallReq> CallReq;
    std::unique_ptr<TRulersDlg> RulersDlg;
    std::unique_ptr<TRemoteField> RemoteField;
    std::unique_ptr<TChoice> Choice;
};

// Save and Open dialogs for the three game file types.
#include "GameFileDialogs.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>

#include "Board.h"
#include "GameFiles.h"
#include "MainWindow.h"
#include "NetState.h"
#include "Settings.h"

namespace {

// The file types Save and Open offer, the saved game first as it always was.
struct GameFileType {
    GameFileForm Form;
    QString Filter;
};

QList<GameFileType> GameFileTypes()
{
    return {
        { GameFileForm::Saved, TReversiForm::tr("Reversi games (*.kpx)") },
        { GameFileForm::Transcript, TReversiForm::tr("Transcripts (*.txt)") },
        { GameFileForm::Ggf, TReversiForm::tr("GGF games (*.ggf)") },
    };
}

QString AllGamesFilter()
{
    QStringList patterns;
    for (const GameFileForm form : { GameFileForm::Saved, GameFileForm::Transcript, GameFileForm::Ggf })
        patterns << QStringLiteral("*") + QString::fromStdString(GameFileExtension(form));
    return TReversiForm::tr("All games (%1)").arg(patterns.join(QLatin1Char(' ')));
}

QStringList GameFileFilters()
{
    QStringList filters;
    for (const GameFileType& type : GameFileTypes())
        filters << type.Filter;
    return filters;
}

GameFileForm FormOfFilter(const QString& filter)
{
    for (const GameFileType& type : GameFileTypes())
        if (type.Filter == filter)
            return type.Form;
    return GameFileForm::Saved;
}

QString SuffixOf(GameFileForm form)
{
    return QString::fromStdString(GameFileExtension(form)).mid(1);
}

// The folder the dialogs start in: the one last used while it still exists.
QString LastFolder()
{
    const QString folder = QString::fromStdString(Extras.LastFolder);
    return QFileInfo(folder).isDir() ? folder : QString();
}

void RememberFolder(const std::string& fileName)
{
    Extras.LastFolder
        = QFileInfo(QString::fromStdString(fileName)).absolutePath().toStdString();
}

} // namespace

std::string AskSaveGameFile(QWidget* parent)
{
    QFileDialog dialog(parent, TReversiForm::tr("Save..."), LastFolder());
    dialog.setNameFilters(GameFileFilters());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("kpx"));
    // The type chosen gives a name without an extension its own.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& filter) { dialog.setDefaultSuffix(SuffixOf(FormOfFilter(filter))); });
    // A name to start from: the date and time of the save.
    dialog.selectFile(QStringLiteral("Corvana %1.kpx")
                          .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm"))));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const std::string fileName = WithGameFileExtension(
        dialog.selectedFiles().first().toStdString(), FormOfFilter(dialog.selectedNameFilter()));
    RememberFolder(fileName);
    return fileName;
}

std::string AskOpenGameFile(QWidget* parent)
{
    QFileDialog dialog(parent, TReversiForm::tr("Open..."), LastFolder());
    // Every form it reads at once, first: a transcript or a GGF game is not hidden behind a type.
    dialog.setNameFilters(QStringList { AllGamesFilter() } + GameFileFilters());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("kpx"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const std::string fileName = dialog.selectedFiles().first().toStdString();
    RememberFolder(fileName);
    return fileName;
}

GgfDetails GgfDetailsNow()
{
    GgfDetails details;
    details.Date = QDateTime::currentDateTimeUtc()
                       .toString(QStringLiteral("yyyy.MM.dd_HH:mm:ss.'GMT'"))
                       .toStdString();
    if (OpponentIsComputer && !NetworkGame) {
        const bool computerYellow = ComputerSide == SideYellow;
        details.BlackName = computerYellow ? "Corvana" : "Player";
        details.WhiteName = computerYellow ? "Player" : "Corvana";
    }
    return details;
}

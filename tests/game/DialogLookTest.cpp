// How the dialogs come out with the desktop's font, at its usual size and a large one: no text
// cut off, no control outside its parent or over another, the result message centred. Each is
// also written as a PNG to previews/ in the build directory, to be looked at.
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ChoiceDialog.h"
#include "ResultDialog.h"
#include "RulesWindow.h"
#include "SampleRules.h"

namespace {

void CheckAndSave(QWidget& dialog, const QString& name)
{
    QCoreApplication::processEvents();
    QList<QWidget*> controls;
    for (QWidget* w : dialog.findChildren<QWidget*>())
        if (qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w)
            || qobject_cast<QGroupBox*>(w))
            controls.append(w);
    QVERIFY(!controls.isEmpty());
    for (QWidget* w : controls) {
        const QByteArray what = name.toUtf8() + ": " + w->property("text").toByteArray()
            + w->property("title").toByteArray();
        QVERIFY2(w->isVisible() && w->width() >= w->sizeHint().width()
                && w->height() >= w->minimumSizeHint().height(),
            what);
        QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), what);
        for (QWidget* other : controls)
            QVERIFY2(other == w || other->parentWidget() != w->parentWidget()
                    || !other->geometry().intersects(w->geometry()),
                what);
    }
    QDir().mkpath(QStringLiteral(CORVANA_PREVIEW_DIR));
    QVERIFY(dialog.grab().save(QStringLiteral(CORVANA_PREVIEW_DIR "/%1.png").arg(name)));
}

} // namespace

class DialogLookTest : public QObject {
    Q_OBJECT

private slots:
    void Looks()
    {
        const QFont desktopFont = QApplication::font();
        for (int pointSize : { 0, 14 }) {
            QFont font = desktopFont;
            if (pointSize > 0)
                font.setPointSize(pointSize);
            QApplication::setFont(font);
            const QString suffix = pointSize > 0 ? QStringLiteral("-large") : QString();

            TFinalDlg final;
            final.show();
            QVERIFY(QTest::qWaitForWindowExposed(&final));
            for (const auto& [kind, a, b] :
                { std::tuple { 0, 100, 0 }, { 1, 33, 31 }, { 2, 0, 0 }, { 4, 0, 0 } }) {
                final.SetResultMessage(kind, a, b);
                CheckAndSave(final, QStringLiteral("final-%1%2").arg(kind).arg(suffix));
                const QRect message = final.FinalMessage->geometry().translated(final.Bevel->pos());
                QVERIFY(qAbs(message.center().x() - final.rect().center().x()) <= 1);
                QVERIFY(
                    qAbs(final.OkButton->geometry().center().x() - final.rect().center().x()) <= 1);
            }

            TChoice choice;
            choice.show();
            QVERIFY(QTest::qWaitForWindowExposed(&choice));
            CheckAndSave(choice, QStringLiteral("choice%1").arg(suffix));

            TRulersDlg help;
            QVERIFY(help.LoadRules({ reinterpret_cast<const std::uint8_t*>(SampleRulesRtf.data()),
                                       SampleRulesRtf.size() })
                        .Ok());
            help.show();
            QVERIFY(QTest::qWaitForWindowExposed(&help));
            CheckAndSave(help, QStringLiteral("help%1").arg(suffix));
            help.resize(200, 200);
            CheckAndSave(help, QStringLiteral("help-minimum%1").arg(suffix));
        }
        QApplication::setFont(desktopFont);
    }
};

QTEST_MAIN(DialogLookTest)
#include "DialogLookTest.moc"

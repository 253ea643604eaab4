// SPDX-License-Identifier: GPL-3.0-or-later
// The game on a Debian desktop: the faces it names are drawn with installed fonts, Qt's own
// menus and buttons speak German, and the version the program carries is the one in its
// desktop metadata. On a Wayland session without Qt's Wayland plugin it goes to X11 quietly.
#include "app/fonts.h"
#include "app/game.h"
#include "app/startup_guard.h"
#include "catalogue/screen_catalogue.h"
#include "platform/faces.h"
#include "platform/form.h"
#include "platform/form_registry.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

class DesktopTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Start-up as the program does it, with the welcome screen on display.
        m_game = std::make_unique<bq::Game>(*qApp);
        m_game->start();
        QVERIFY(bq::FormRegistry::instance().isVisible(bq::Screen::Brendelquiz));
    }

    void cleanupTestCase()
    {
        m_game->shutdown();
        m_game.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void namedFacesUseInstalledFonts_data()
    {
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("drawnWith");
        for (const auto &[named, drawnWith] : {std::pair{"Arial", "Liberation Sans"},
                                               {"MS Sans Serif", "Liberation Sans"},
                                               {"Comic Sans MS", "Comic Neue"},
                                               {"Lucida Handwriting", "Dancing Script"},
                                               {"CommercialScript BT", "Dancing Script"}})
            QTest::newRow(named) << QString::fromUtf8(named) << QString::fromUtf8(drawnWith);
    }

    void namedFacesUseInstalledFonts()
    {
        QFETCH(QString, named);
        QFETCH(QString, drawnWith);
        QVERIFY2(QFontDatabase::hasFamily(drawnWith),
                 qPrintable(drawnWith + QStringLiteral(" is not installed (the Makefile's deps target installs it)")));
        for (const bool bold : {false, true}) {
            const QFontInfo info(
                bq::screenFont(qPrintable(named), 9.75, bold ? bq::FontStyle::Bold : bq::FontStyle::Regular));
            QCOMPARE(info.family(), drawnWith);
            QCOMPARE(info.bold(), bold);
        }
    }

    // What a player sees on the right mouse button in the name box or an answer box.
    void textBoxMenuSpeaksGerman_data()
    {
        QTest::addColumn<int>("entry"); // counted without the separators
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        const std::pair<const char *, const char *> menu[] = {
            {"Rückgängig", "Strg+Z"},     {"Wiederherstellen", "Strg+Y"}, {"Ausschneiden", "Strg+X"},
            {"Kopieren", "Strg+C"},       {"Einfügen", "Strg+V"},         {"Löschen", ""},
            {"Alles auswählen", "Strg+A"}};
        for (int entry = 0; entry < int(std::size(menu)); ++entry)
            QTest::newRow(menu[entry].first)
                << entry << QString::fromUtf8(menu[entry].first) << QString::fromUtf8(menu[entry].second);
    }

    void textBoxMenuSpeaksGerman()
    {
        QFETCH(int, entry);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        QLineEdit box;
        box.setText(QStringLiteral("Jürgen Müller"));
        std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QList<QAction *> entries = menu->actions();
        entries.removeIf([](const QAction *action) { return action->isSeparator(); });
        QVERIFY2(entry < entries.size(), qPrintable(QString::number(entries.size())));
        const QAction *action = entries.at(entry);
        QCOMPARE(action->text().section(u'\t', 0, 0).remove(u'&'), caption); // without the access-key marker
        QCOMPARE(action->text().section(u'\t', 1), shortcut);
    }

    void standardButtonsSpeakGerman_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("caption");
        QTest::newRow("OK stays OK") << int(QDialogButtonBox::Ok) << "OK";
        QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << "Abbrechen";
        QTest::newRow("Close") << int(QDialogButtonBox::Close) << "Schließen";
        QTest::newRow("Yes") << int(QDialogButtonBox::Yes) << "Ja";
        QTest::newRow("No") << int(QDialogButtonBox::No) << "Nein";
    }

    void standardButtonsSpeakGerman()
    {
        QFETCH(int, button);
        QFETCH(QString, caption);
        const auto standard = static_cast<QDialogButtonBox::StandardButton>(button);
        QDialogButtonBox box{QDialogButtonBox::StandardButtons(standard)};
        QPushButton *pushButton = box.button(standard);
        QVERIFY(pushButton);
        QCOMPARE(pushButton->text().remove(u'&'), caption);
    }

    // The same version everywhere a desktop or a package manager reads it.
    void versionMatchesDesktopMetadata()
    {
        QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.00"));
        QFile metainfo(qEnvironmentVariable("BQ_TEST_SOURCE_DIR")
                       + QStringLiteral("/packaging/de.quellmark.brendelquiz.metainfo.xml"));
        QVERIFY2(metainfo.open(QIODevice::ReadOnly), qPrintable(metainfo.fileName()));
        const QString xml = QString::fromUtf8(metainfo.readAll());
        const QRegularExpressionMatch newest =
            QRegularExpression(QStringLiteral("<release\\s+version=\"([^\"]+)\"")).match(xml);
        QVERIFY2(newest.hasMatch(), "the metainfo file lists no release");
        QCOMPARE(newest.captured(1), QApplication::applicationVersion());
    }

    void waylandWithoutItsPluginGoesToX11_data()
    {
        QTest::addColumn<QByteArrayList>("environment"); // NAME=value; "@plugins" is a folder holding the plugin
        QTest::addColumn<bool>("pluginInstalled");       // in the platforms folder of Qt's plugin root
        QTest::addColumn<QByteArray>("platform");        // QT_QPA_PLATFORM afterwards, empty when unset
        const QByteArray wayland = "WAYLAND_DISPLAY=wayland-0", x11 = "DISPLAY=:0";
        QTest::newRow("Wayland and X11, no plugin") << QByteArrayList{wayland, x11} << false << QByteArray("xcb");
        QTest::newRow("Wayland and X11, plugin") << QByteArrayList{wayland, x11} << true << QByteArray();
        QTest::newRow("Wayland session type, no plugin")
            << QByteArrayList{"XDG_SESSION_TYPE=wayland", x11} << false << QByteArray("xcb");
        QTest::newRow("X11 session") << QByteArrayList{"XDG_SESSION_TYPE=x11", x11} << false << QByteArray();
        QTest::newRow("Wayland alone, no plugin") << QByteArrayList{wayland} << false << QByteArray();
        QTest::newRow("platform chosen by the player")
            << QByteArrayList{wayland, x11, "QT_QPA_PLATFORM=wayland"} << false << QByteArray("wayland");
        QTest::newRow("plugin in QT_QPA_PLATFORM_PLUGIN_PATH")
            << QByteArrayList{wayland, x11, "QT_QPA_PLATFORM_PLUGIN_PATH=@plugins"} << false << QByteArray();
    }

    void waylandWithoutItsPluginGoesToX11()
    {
        QFETCH(QByteArrayList, environment);
        QFETCH(bool, pluginInstalled);
        QFETCH(QByteArray, platform);
        QTemporaryDir root, elsewhere;
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("platforms")));
        QVERIFY(QFile(root.filePath(QStringLiteral("platforms/libqxcb.so"))).open(QIODevice::WriteOnly));
        const QString pluginFolder = pluginInstalled ? root.filePath(QStringLiteral("platforms")) : elsewhere.path();
        QVERIFY(QFile(pluginFolder + QStringLiteral("/libqwayland-generic.so")).open(QIODevice::WriteOnly));

        const QByteArrayList names{"WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "DISPLAY", "QT_QPA_PLATFORM",
                                   "QT_QPA_PLATFORM_PLUGIN_PATH"};
        QList<std::optional<QByteArray>> saved;
        for (const QByteArray &name : names) {
            saved.append(qEnvironmentVariableIsSet(name.constData()) ? std::optional(qgetenv(name.constData()))
                                                                     : std::nullopt);
            qunsetenv(name.constData());
        }
        for (const QByteArray &setting : std::as_const(environment)) {
            const qsizetype equals = setting.indexOf('=');
            const QByteArray value = setting.mid(equals + 1);
            qputenv(setting.left(equals).constData(),
                    value == "@plugins" ? QFile::encodeName(elsewhere.path()) : value);
        }
        const bool choseX11 = bq::StartupGuard::preferX11WithoutWaylandPlugin({root.path()});
        const QByteArray after = qgetenv("QT_QPA_PLATFORM");
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (saved.at(i))
                qputenv(names.at(i).constData(), *saved.at(i));
            else
                qunsetenv(names.at(i).constData());
        }
        QCOMPARE(after, platform);
        QCOMPARE(choseX11, platform == "xcb");
    }

private:
    std::unique_ptr<bq::Game> m_game;
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"

// The English and Spanish catalogues: every text the program asks the
// translator for while the whole menu tree is walked and the text functions are
// swept has a finished translation in both committed catalogues and in the
// compiled ones the program loads (":/lang/lang/en.qm", ":/lang/lang/es.qm");
// the texts every language keeps plain are not in the catalogues and never go
// through the translator; parameter 570 switches the menus between Russian,
// English and Spanish.
#include "base_status_form.h"
#include "baseform.h"
#include "common.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "messagedialog.h"
#include "parameters.h"
#include "pushbutton.h"
#include "store_driver.h"
#include "test_application.h"
#include "test_database.h"
#include "translations_resource.h"

#include <QFile>
#include <QHash>
#include <QLoggingCategory>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

using Key = QPair<QString, QString>; // (context, source)

// Stands first among the translators and notes every text asked for; it
// translates nothing, so the lookup goes on to the others.
class RecordingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (sourceText && *sourceText) {
            QMutexLocker lock(&m_mutex);
            m_asked.insert(Key(QString::fromUtf8(context), QString::fromUtf8(sourceText)));
        }
        return QString();
    }
    QSet<Key> take()
    {
        QMutexLocker lock(&m_mutex);
        QSet<Key> asked;
        asked.swap(m_asked);
        return asked;
    }

private:
    mutable QMutex m_mutex;
    mutable QSet<Key> m_asked;
};

struct Message
{
    QString translation;
    bool finished = false;
};

// One .ts catalogue as committed: (context, source) -> translation.
struct Catalogue
{
    QString path;
    QString error;
    QHash<Key, Message> messages;
    int unfinished = 0;
};

Catalogue readCatalogue(const QString& path)
{
    Catalogue catalogue;
    catalogue.path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        catalogue.error = QStringLiteral("cannot open ") + path;
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            Message message;
            message.finished = type.isEmpty();
            message.translation = xml.readElementText();
            if (!message.finished)
                ++catalogue.unfinished;
            catalogue.messages.insert(Key(context, source), message);
        }
    }
    if (xml.hasError())
        catalogue.error = path + QStringLiteral(": ") + xml.errorString();
    return catalogue;
}

bool hasCyrillic(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF)
            return true;
    }
    return false;
}

// The program's own texts: its context, or Russian in any context. Qt's own
// English texts (context menus, shortcuts) are not the catalogue's business.
bool isProgramText(const Key& key)
{
    return key.first == QLatin1String("QObject") || hasCyrillic(key.second);
}

QString show(const Key& key)
{
    return QStringLiteral("[%1] \"%2\"").arg(key.first, QString(key.second).replace(QLatin1Char('\n'), "\\n"));
}

QStringList placeholders(const QString& text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("%\\d")).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(0);
    found.sort();
    return found;
}

// Texts that read the same in every language: language names, makes and
// protocols written plain, fixed suffixes and separators, format strings,
// numbers, plain units and the words of the splash screen.
const char* const PlainTexts[] = {
    "Русский", "English", "Español",
    "U/f", "ABC", "CBA", "Danfoss", "PICv2", "Zenith", "РН-Transfer", "Baker Huges", "SPY PRO 11", "GRS",
    "Oxford", "Zenith 2.48", "Ace", "PICv3", "RS-485", "RS-232", "BP-Iraq", "ZAZ", "None", "Odd", "Even",
    "%", "%1", "%1C", "%1F", "\u00b0", "\u00b0C", "\u00b0F",
    "-1", "-2", "-3", "-06", " А9", " W9", " EMS", ": ", " + ", "%1. %2", "%1\n%2", "%1 %2",
    "(П)", "(З)", "(К)", "(F1)", "(F2)", "(1)", "(-)", "(+)", "-", "+", "---",
    "UTC+%1:00", "UTC-%1:00", "Loading...", "completed", "passed", "Ok",
};

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    StoreDriver m_drive{nullptr};
    RecordingTranslator m_recorder;
    Catalogue m_ts[2];
    QTranslator m_qm[2];
    bool m_qmLoaded[2] = {false, false};
    int m_screens = 0;

    MainApplication* app() { return MainApplication::getInstance(); }
    MainWindow* window() { return app()->getMainWindow(); }
    BaseForm* current() { return window()->currentForm(); }
    QString currentClass() { return current() ? QString::fromLatin1(current()->metaObject()->className()) : QString(); }

    void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void showMainMenu()
    {
        window()->addForm(QList<BaseForm*>() << new MainMenu, 0, -1);
        settle();
    }
    void setStation(float technologMode, float modelPages, float extensionBoard, float driveType, float bypass)
    {
        m_drive.report(1666, technologMode);
        m_drive.report(1518, modelPages);
        m_drive.report(1644, extensionBoard);
        m_drive.report(685, driveType);
        m_drive.report(10504, bypass);
    }

    // Opens the screen reached from the main menu through the entries of path.
    void openPath(const QList<int>& path)
    {
        showMainMenu();
        for (int k : path) {
            const QList<int> buttons = current()->subFormButtons();
            if (k >= buttons.size())
                return;
            current()->showNextForm(buttons.at(k));
            settle();
        }
    }
    // Opens every entry of the menu shown, walks below it and goes back, as
    // the operator does with Enter and Esc; reopens the menu from the main menu
    // when Back leads elsewhere.
    void walk(const QList<int>& path, QStringList& seen)
    {
        const QString menu = currentClass();
        const int entries = current()->subFormButtons().size();
        for (int k = 0; k < entries; ++k) {
            if (currentClass() != menu)
                openPath(path);
            if (currentClass() != menu || k >= current()->subFormButtons().size())
                return;
            current()->showNextForm(current()->subFormButtons().at(k));
            settle();
            ++m_screens;
            const QString child = currentClass();
            if (!seen.contains(child))
                seen << child;
            if (!current()->subFormButtons().isEmpty() && path.size() < 8)
                walk(QList<int>(path) << k, seen);
            if (currentClass() != child)
                openPath(QList<int>(path) << k);
            current()->returnBackForm();
            settle();
        }
    }

    // Every text asked for since the last call that is not finished in both
    // catalogues, or that the compiled catalogues do not translate.
    QStringList untranslated(const QSet<Key>& asked)
    {
        QStringList missing;
        for (const Key& key : asked) {
            if (!isProgramText(key))
                continue;
            for (int l = 0; l < 2; ++l) {
                const auto it = m_ts[l].messages.constFind(key);
                const QByteArray context = key.first.toUtf8();
                const QByteArray source = key.second.toUtf8();
                if (it == m_ts[l].messages.constEnd() || !it->finished || it->translation.isEmpty())
                    missing << QStringLiteral("%1 not finished in %2").arg(show(key), m_ts[l].path);
                else if (m_qm[l].translate(context.constData(), source.constData()).isEmpty())
                    missing << QStringLiteral("%1 not in the compiled catalogue %2").arg(show(key)).arg(l);
            }
        }
        missing.sort();
        return missing;
    }

    void sweepTextFunctions()
    {
        for (int code = 0; code <= 40; ++code) {
            const unsigned short c = static_cast<unsigned short>(code);
            Common::getTextOnOff(c);
            Common::getTextProtMode(c);
            Common::getTextRgmMode(c);
            Common::getTextAlarmVSDMode(c);
            Common::getTextConnect(c);
            Common::getTextRgmRun(c);
            Common::getTextTypeMtr(c);
            Common::getTextRotation(c);
            Common::getTextMotorControl(c);
            Common::getTextVectType(c);
            Common::getTextTypeStop(c);
            Common::getTextPhaseRotation(c);
            Common::getTextUfType(c);
            Common::getTextMotorProfile(c);
            Common::getTextMotorInductance(c);
            Common::getTextUseInduct(c);
            Common::getTextTypeMetal(c);
            Common::getTextSourceVoltage(c);
            Common::getTextSourceCurrent(c);
            Common::getTextSourceR(c);
            Common::getTextSourceTemperature(c);
            Common::getTextTypeVolt(c);
            Common::getTextSensorPosition(c);
            Common::getTextSwitchingFreqCode(c);
            Common::getTextChanelVsd(c);
            Common::getTextVSdDoor(c);
            Common::getTextVsdType(c);
            Common::getTextEmType(c);
            Common::getTextDhsType(static_cast<typeDHS>(code));
            Common::getTextDhsInterface(c);
            Common::getTextLanguage(c);
            Common::getTextScadaType(c);
            Common::getTextScadaParity(c);
            Common::getTextOilCompany(c);
            Common::getTextActionUsbConnect(c);
            Common::getTextMenuTechnolog(c);
            Common::getTextConfiguration(c);
            Common::getTextCalibType(c);
            Common::getTextTypeAI(c);
            Common::getTextAiParameter(c);
            Common::getTextPinType(c);
            Common::getTextDiType(c);
            Common::getTextDiParameter(c);
            Common::getTextDiAction(c);
            Common::getTextRoAction(c);
            Common::getTextTypeAO(c);
            Common::getTextParamAO(c);
            Common::getTextMaintenanceModeParamType(c);
            Common::getTextMaintenanceModeParamDepend(c);
            Common::getTextMaintenanceModeParamTypeControl(c);
            Common::getTextBacklight(c);
        }
        for (unsigned short profile : {500, 1000, 3000, 3600, 6000, 8500, 12000, 65535})
            Common::getTextMotorProfile(profile);
        for (int code = -3; code <= 10; ++code) {
            Common::getTextCondition(code);
            Common::getTextAiAxisZeroShift(code);
            Common::getTextAiAlarmType(code);
            Common::getTextTimeZone(code * 3600);
        }
        for (int quantity = 0; quantity <= 34; ++quantity) {
            for (int unit = 0; unit <= 9; ++unit) {
                Common::getTextUnitOfQuantity(quantity, static_cast<unsigned char>(unit));
                Common::getTextAiUnit(static_cast<unsigned char>(quantity), static_cast<unsigned char>(unit));
                Common::getTextAiParamUnits(static_cast<unsigned short>(quantity), static_cast<unsigned short>(unit));
                Common::getTextUnitCableCross(static_cast<unsigned char>(unit));
            }
        }
        for (int id = 0; id <= 0xFFFF; ++id)
            Common::getTextFromId(id);
        for (int id = 0; id <= 21000; ++id)
            Common::getTextParamMenuTechnolog(static_cast<unsigned short>(id));
        for (int code = -3; code <= 4100; ++code) {
            Common::getTextReasonRun(code);
            Common::getTextReasonStop(code);
            Common::getTextVsdAlarm(code, true);
            Common::getTextVsdWarning(code, false);
            Common::getTextErrorSlave(code);
        }
        for (float first : {0.f, 20.f, 40.f, 60.f, 1.f}) {
            for (float second : {0.f, 1.f, 110.f, 130.f, 150.f, 170.f, 210.f, 230.f, 250.f, 270.f, 300.f}) {
                for (float third : {0.f, 1.f})
                    Common::getTextRgmRunSpecRN(first, second, third);
            }
        }
        Common::protectionNamesList();
        // Every start-prevent reason in turn, then none with each drive state.
        const QList<int> prevents = Common::preventIdsList();
        for (int id : prevents)
            m_drive.report(static_cast<quint16>(id), 0.f);
        for (int id : prevents) {
            m_drive.report(static_cast<quint16>(id), 1.f);
            Common::getTextPrevent();
            m_drive.report(static_cast<quint16>(id), 0.f);
        }
        for (float drive : {0.f, 1.f}) {
            m_drive.report(685, drive);
            m_drive.report(702, 0.f);
            Common::getTextPrevent();
        }
    }

private slots:
    void initTestCase()
    {
        // The screens log every show and build; the walk makes many.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        initTranslationsResource();
        const QString dir = QStringLiteral(VRX_SOURCE_DIR "/resources/translations/");
        const char* const codes[2] = {"en", "es"};
        for (int l = 0; l < 2; ++l) {
            m_ts[l] = readCatalogue(dir + QLatin1String(codes[l]) + QStringLiteral(".ts"));
            m_qmLoaded[l] = m_qm[l].load(QStringLiteral(":/lang/lang/%1.qm").arg(QLatin1String(codes[l])));
        }
        m_db = new TestDatabase;
        app()->initStore();
        m_drive.store = app()->getParameters();
        m_drive.report(762, 0.f); // no carousel
        m_drive.report(570, 0.f); // Russian: the recorder sees every text
        QCoreApplication::installTranslator(&m_recorder);
        app()->showMainWindow();
        QVERIFY(window());
        QApplication::setActiveWindow(window());
        settle();
    }

    void cleanupTestCase()
    {
        QCoreApplication::removeTranslator(&m_recorder);
        if (window())
            showMainMenu();
        delete m_db;
    }

    void cataloguesAreReadAndCompiled()
    {
        for (int l = 0; l < 2; ++l) {
            QVERIFY2(m_ts[l].error.isEmpty(), qPrintable(m_ts[l].error));
            QVERIFY2(m_ts[l].messages.size() > 1000, qPrintable(m_ts[l].path));
            QVERIFY2(m_qmLoaded[l], "the compiled catalogue is not in the resources: initTranslationsResource()");
            QVERIFY(!m_qm[l].isEmpty());
        }
        // Both languages carry the same texts.
        QSet<Key> en;
        QSet<Key> es;
        for (auto it = m_ts[0].messages.constBegin(); it != m_ts[0].messages.constEnd(); ++it)
            en.insert(it.key());
        for (auto it = m_ts[1].messages.constBegin(); it != m_ts[1].messages.constEnd(); ++it)
            es.insert(it.key());
        QCOMPARE(en, es);
    }

    // lupdate's count of unfinished messages is 0, and every translation keeps
    // the placeholders, the surrounding spaces and the line breaks of its source.
    void everyMessageIsFinishedAndKeepsItsShape()
    {
        QStringList problems;
        for (int l = 0; l < 2; ++l) {
            if (m_ts[l].unfinished != 0)
                problems << QStringLiteral("%1: %2 unfinished").arg(m_ts[l].path).arg(m_ts[l].unfinished);
            for (auto it = m_ts[l].messages.constBegin(); it != m_ts[l].messages.constEnd(); ++it) {
                const QString& source = it.key().second;
                const QString& translation = it->translation;
                const QString where = show(it.key()) + QStringLiteral(" in ") + m_ts[l].path + QStringLiteral(": ");
                if (!it->finished || translation.isEmpty()) {
                    problems << where + QStringLiteral("not translated");
                    continue;
                }
                if (placeholders(source) != placeholders(translation))
                    problems << where + QStringLiteral("placeholders differ");
                if (source.count(QLatin1Char('\n')) != translation.count(QLatin1Char('\n')))
                    problems << where + QStringLiteral("line breaks differ");
                if (source.startsWith(QLatin1Char(' ')) != translation.startsWith(QLatin1Char(' '))
                    || source.endsWith(QLatin1Char(' ')) != translation.endsWith(QLatin1Char(' ')))
                    problems << where + QStringLiteral("leading or trailing space differs");
                const QByteArray context = it.key().first.toUtf8();
                const QByteArray bytes = source.toUtf8();
                if (m_qm[l].translate(context.constData(), bytes.constData()) != translation)
                    problems << where + QStringLiteral("compiled catalogue differs");
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void plainTextsAreNotInTheCatalogues()
    {
        const QRegularExpression numberLike(QStringLiteral("^[\\d\\s.,:;%+\\-\u00b0()]*$"));
        QStringList found;
        for (int l = 0; l < 2; ++l) {
            for (auto it = m_ts[l].messages.constBegin(); it != m_ts[l].messages.constEnd(); ++it) {
                const QString& source = it.key().second;
                if (numberLike.match(source).hasMatch())
                    found << show(it.key());
                for (const char* plain : PlainTexts) {
                    if (source == QString::fromUtf8(plain))
                        found << show(it.key());
                }
            }
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void plainTextsNeverGoThroughTheTranslator()
    {
        m_recorder.take();
        for (unsigned short code = 0; code <= 2; ++code) {
            Common::getTextLanguage(code);
            Common::getTextDhsInterface(code);
            Common::getTextScadaParity(code);
            Common::getTextPhaseRotation(code);
        }
        Common::getTextMotorControl(0);
        Common::getTextVsdType(2);
        Common::getTextScadaType(9);
        Common::getTextScadaType(11);
        for (int type : {9, 13, 16, 18, 19, 21, 22, 23, 24, 25})
            Common::getTextDhsType(static_cast<typeDHS>(type));
        for (unsigned char unit = 0; unit <= 9; ++unit) {
            Common::getTextUnitNumeric(unit);
            Common::getTextUnitPercent(unit);
            Common::getTextUnitAnglePower(unit);
            Common::getTextUnitTemperature(unit);
            Common::getTextBacklight(unit);
        }
        Common::getTextUnitDateTime(9);
        Common::getTextUnitTime(9);
        Common::getTextTimeZone(10800);
        Common::getTextTimeZone(-18000);
        QSet<Key> asked = m_recorder.take();
        QStringList keys;
        for (const Key& key : asked)
            keys << show(key);
        QVERIFY2(asked.isEmpty(), qPrintable(keys.join(QLatin1Char('\n'))));
    }

    void wholeTreeWalkAsksOnlyForTranslatedTexts()
    {
        struct Station
        {
            float technologMode, modelPages, extensionBoard, driveType, bypass;
        };
        // Every conditional entry and every drive's pages, the technologist's
        // page alone and in the main place.
        const Station stations[] = {{1, 1, 1, 2, 0}, {1, 1, 1, 1, 0}, {1, 1, 1, 3, 0}, {2, 0, 0, 0, 0}, {3, 0, 0, 0, 0}};
        m_recorder.take();
        QStringList seen;
        for (const Station& s : stations) {
            setStation(s.technologMode, s.modelPages, s.extensionBoard, s.driveType, s.bypass);
            showMainMenu();
            seen << currentClass();
            walk(QList<int>(), seen);
            // Back from the main menu: the current-parameter pages, each in turn.
            const QList<BaseForm*> pages = BaseStatusForm::createNextForm();
            QStringList classes;
            for (BaseForm* page : pages)
                classes << QString::fromLatin1(page->metaObject()->className());
            qDeleteAll(pages);
            for (const QString& page : classes) {
                window()->addForm(BaseStatusForm::createNextForm(), page);
                settle();
                if (!seen.contains(currentClass()))
                    seen << currentClass();
            }
        }
        // The dialogs, the lockout and the restart screens the walk does not open.
        for (int type = MessageDialog::Question; type <= MessageDialog::Warning; ++type)
            delete new MessageDialog(QStringLiteral("?"), static_cast<MessageDialog::MsgType>(type), window());
        showMainMenu();
        qInfo("whole-tree walk: %d screens opened, %d classes", m_screens, seen.size());
        QVERIFY(m_screens > 50);
        const QSet<Key> asked = m_recorder.take();
        int program = 0;
        for (const Key& key : asked)
            program += isProgramText(key) ? 1 : 0;
        qInfo("whole-tree walk asked for %d texts", program);
        QVERIFY(program > 100);
        const QStringList missing = untranslated(asked);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }

    void textFunctionsAskOnlyForTranslatedTexts()
    {
        m_recorder.take();
        sweepTextFunctions();
        const QSet<Key> asked = m_recorder.take();
        qInfo("text functions asked for %d texts", asked.size());
        QVERIFY(asked.size() > 1000);
        const QStringList missing = untranslated(asked);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }

    // Parameter 570 as the controller reports it: the menus are built anew in
    // the language chosen, and 0 brings the Russian texts back.
    void languageParameterSwitchesTheMenus()
    {
        const char* const entries[] = {"Текущие параметры", "Архивы", "Оборудование", "Защиты",
                                       "Технологические настройки", "Записная книжка", "Настройки"};
        auto buttonTexts = [this]() {
            QStringList texts;
            for (int row : current()->subFormButtons()) {
                auto* button = qobject_cast<PushButton*>(current()->rowWidget(row));
                texts << (button ? button->text() : QString());
            }
            return texts;
        };
        auto expected = [&](int language) {
            QStringList texts;
            for (const char* entry : entries)
                texts << (language == 0 ? QString::fromUtf8(entry) : m_qm[language - 1].translate("QObject", entry));
            return texts;
        };
        showMainMenu();
        QCOMPARE(buttonTexts(), expected(0));
        for (int language : {1, 2, 0}) {
            QPointer<BaseForm> before = current();
            m_drive.report(570, static_cast<float>(language));
            QTRY_VERIFY(!before);
            QCOMPARE(app()->getLanguage(), language);
            QCOMPARE(currentClass(), QString("MainMenu"));
            QCOMPARE(buttonTexts(), expected(language));
            const QString menuTitle = language == 0 ? QString::fromUtf8("Меню")
                                                    : m_qm[language - 1].translate("QObject", "Меню");
            QCOMPARE(current()->title(), menuTitle.toUpper());
            // Composite texts: the translated base and the plain suffix.
            QCOMPARE(Common::getTextDhsType(static_cast<typeDHS>(3)),
                     QCoreApplication::translate("QObject", "Борец СПТ") + QStringLiteral("-1"));
            QCOMPARE(Common::getTextReasonStop(60), QCoreApplication::translate("QObject", "Сигнал цифр.вх.") + "2");
            // Plain texts read the same in every language.
            QCOMPARE(Common::getTextLanguage(2), QString::fromUtf8("Español"));
            QCOMPARE(Common::getTextMotorControl(0), QStringLiteral("U/f"));
            // The group tag of the technologist's menu.
            const QString motorTag = language == 1 ? QStringLiteral("Motor")
                : language == 2 ? m_qm[1].translate("QObject", "ДВИГ") : QString::fromUtf8("ДВИГ");
            QCOMPARE(Common::getTextParamMenuTechnolog(2), Common::getTextFromId(2) + QLatin1Char(' ') + motorTag);
        }
        // The English group tags.
        const char* const tags[][2] = {{"ДВИГ", "Motor"}, {"ВХОД", "Input"}, {"ТМПН", "Step-up transformer"},
                                       {"СУ", "Output"}, {"ЧРП", "VFD"}};
        for (const auto& tag : tags)
            QCOMPARE(m_qm[0].translate("QObject", tag[0]), QString::fromLatin1(tag[1]));
    }
};

VRX_TEST_APPLICATION_MAIN(TestTranslations)
#include "tst_translations.moc"

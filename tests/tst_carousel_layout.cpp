// The shape of every current-parameter page under every value that chooses a
// layout: each cell at a place of its own, each parameter known to the store,
// the page holding exactly the cells of its layout; and the sensor layouts as
// the station's documentation lists them.
#include "base_status_form.h"
#include "baseeditwidget.h"
#include "baseparamwidget.h"
#include "basestatuscheckpswwidget.h"
#include "basestatustextwidget.h"
#include "basestatuswidget.h"
#include "common.h"
#include "current_params_cells.h"
#include "mainwindow.h"
#include "parameters.h"
#include "stackedform.h"
#include "store_driver.h"
#include "test_application.h"
#include "test_database.h"

#include <QGridLayout>
#include <QLabel>
#include <QLoggingCategory>

namespace {

const quint16 DhsTypeId = 39;
const quint16 DriveTypeId = 685;
const quint16 LineVoltageId = 1178;

// The page's grid: the rows layout of the form.
QGridLayout* gridOf(BaseForm* form)
{
    return form->widget() ? form->widget()->findChild<QGridLayout*>() : nullptr;
}

struct Placed
{
    QWidget* widget;
    int row;
    int column;
    int rowSpan;
    int columnSpan;
};

QList<Placed> placedWidgets(BaseForm* form)
{
    QList<Placed> list;
    QGridLayout* grid = gridOf(form);
    if (!grid)
        return list;
    for (int i = 0; i < grid->count(); ++i) {
        Placed p{grid->itemAt(i)->widget(), 0, 0, 0, 0};
        if (!p.widget)
            continue;
        grid->getItemPosition(i, &p.row, &p.column, &p.rowSpan, &p.columnSpan);
        list.append(p);
    }
    return list;
}

// The name a cell shows, whatever its kind.
QString nameOf(QWidget* cell)
{
    if (auto* w = qobject_cast<BaseStatusWidget*>(cell))
        return w->nameLabel()->text();
    if (auto* w = qobject_cast<BaseStatusCheckPswWidget*>(cell))
        return w->nameLabel()->text();
    if (auto* w = qobject_cast<BaseStatusTextWidget*>(cell))
        return w->nameLabel()->text();
    if (auto* w = qobject_cast<BaseEditWidget*>(cell))
        return w->nameLabel()->text();
    return QString();
}

// The names down one column of a page, row by row.
QStringList columnNames(BaseForm* form, int column)
{
    QMap<int, QString> byRow;
    const QList<Placed> placed = placedWidgets(form);
    for (const Placed& p : placed) {
        if (p.column == column)
            byRow.insert(p.row, nameOf(p.widget));
    }
    return byRow.values();
}

QStringList names(std::initializer_list<int> ids)
{
    QStringList list;
    for (int id : ids)
        list << Common::getTextFromId(id);
    return list;
}

} // namespace

class TestCarouselLayout : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    StoreDriver m_drive{nullptr};

    MainApplication* app() { return MainApplication::getInstance(); }
    MainWindow* window() { return app()->getMainWindow(); }
    Parameters* store() { return app()->getParameters(); }

    void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // The carousel, built anew, showing the page of class className.
    BaseForm* showPage(const char* className)
    {
        window()->addForm(BaseStatusForm::createNextForm(), QLatin1String(className));
        settle();
        BaseForm* page = window()->currentForm();
        return page && QLatin1String(page->metaObject()->className()) == QLatin1String(className) ? page : nullptr;
    }

    // No two widgets of the page share a place of the grid, and every
    // parameter-bound widget of it has a definition.
    void checkShape(BaseForm* page, const QString& label)
    {
        QVERIFY2(page, qPrintable(label));
        const QList<Placed> placed = placedWidgets(page);
        QSet<QPair<int, int>> taken;
        for (const Placed& p : placed) {
            for (int r = p.row; r < p.row + p.rowSpan; ++r) {
                for (int c = p.column; c < p.column + p.columnSpan; ++c) {
                    QVERIFY2(!taken.contains(qMakePair(r, c)),
                             qPrintable(QStringLiteral("%1: two cells in row %2 column %3").arg(label).arg(r).arg(c)));
                    taken.insert(qMakePair(r, c));
                }
            }
        }
        const QList<BaseParamWidget*> bound = page->findChildren<BaseParamWidget*>();
        for (BaseParamWidget* w : bound)
            QVERIFY2(w->definition(), qPrintable(QStringLiteral("%1: id %2 has no definition").arg(label).arg(w->id())));
    }

    // A layout from the tables: places of their own, known ids, and the page
    // holds exactly its cells.
    void checkCells(BaseForm* page, const QVector<StatusCell>& cells, int extraWidgets, const QString& label)
    {
        checkShape(page, label);
        if (QTest::currentTestFailed())
            return;
        for (const StatusCell& cell : cells) {
            QVERIFY2(store()->getParameter(cell.id), qPrintable(QStringLiteral("%1: %2").arg(label).arg(cell.id)));
            if (cell.kind == StatusCell::Guarded)
                QVERIFY2(store()->getParameter(cell.stateId),
                         qPrintable(QStringLiteral("%1: %2").arg(label).arg(cell.stateId)));
            else
                QCOMPARE(cell.stateId, quint16(0));
        }
        QCOMPARE(placedWidgets(page).size(), cells.size() + extraWidgets);
        for (const Placed& p : placedWidgets(page)) {
            for (const StatusCell& cell : cells) {
                if (cell.row == p.row && cell.column == p.column)
                    QVERIFY2(nameOf(p.widget) == Common::getTextFromId(cell.id),
                             qPrintable(QStringLiteral("%1: row %2 column %3").arg(label).arg(p.row).arg(p.column)));
            }
        }
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_db = new TestDatabase;
        app()->initStore();
        m_drive.store = store();
        m_drive.report(762, 0.f); // no carousel turning
        app()->showMainWindow();
        QVERIFY(window());
        settle();
    }

    void cleanupTestCase()
    {
        delete m_db;
    }

    void everySensorType()
    {
        for (int type = -1; type <= 26; ++type) {
            m_drive.report(DhsTypeId, float(type));
            const QString label = QStringLiteral("sensor type %1").arg(type);
            checkCells(showPage("CurrentDhsParamsForm"), CurrentParamsCells::dhsCells(type), 0, label);
            if (QTest::currentTestFailed())
                return;
        }
    }

    void sensorLayoutsAsDocumented()
    {
        struct Layout
        {
            int type;
            QStringList left;
            QStringList right;
        };
        const QList<Layout> layouts = {
            {1, names({15002, 15004, 15003, 15011, 15007, 15092, 11}),
             names({15008, 15009, 15010, 15056, 15051, 15053})},
            {7, names({15001, 15002, 15004, 15003, 15005, 15006, 15007}), names({15051, 15078, 15112, 15011})},
            {8, names({15002, 15004, 15003, 15048, 15011, 15007, 15051}), names({15008, 15009, 15010, 15059})},
            {13, names({15002, 15008, 15004, 15003, 15005, 15007, 15092, 15112}), QStringList()},
            {23, names({15002, 15008, 15004, 15003, 15005, 15007, 15092, 15112}), QStringList()},
            {16, names({15002, 15004, 15003, 15048, 15005, 15006, 15007}),
             names({15008, 15009, 15010, 15056, 11, 15017, 15053})},
            {25, names({15002, 15004, 15003, 15011, 15051}), names({15008, 15092, 15093, 15094, 15095})},
        };
        const QStringList commonLeft = names({15002, 15004, 15003, 15011, 15007, 15052});
        const QStringList commonRight = names({15008, 15009, 15010, 15056, 15053});
        for (const Layout& l : layouts) {
            m_drive.report(DhsTypeId, float(l.type));
            BaseForm* page = showPage("CurrentDhsParamsForm");
            QVERIFY(page);
            QCOMPARE(columnNames(page, 0), l.left);
            QCOMPARE(columnNames(page, 1), l.right);
        }
        for (int type : {0, 11, -3, 26, 1000}) {
            m_drive.report(DhsTypeId, float(type));
            BaseForm* page = showPage("CurrentDhsParamsForm");
            QVERIFY(page);
            QCOMPARE(columnNames(page, 0), commonLeft);
            QCOMPARE(columnNames(page, 1), commonRight);
        }
    }

    void sensorCellKinds()
    {
        // Type 1: guarded cells with their sensor states, two bit fields.
        m_drive.report(DhsTypeId, 1.f);
        QVector<StatusCell> cells = CurrentParamsCells::dhsCells(1);
        QCOMPARE(cells.first().kind, StatusCell::Guarded);
        QCOMPARE(cells.first().stateId, quint16(1039));
        int bits = 0;
        for (const StatusCell& cell : cells)
            bits += cell.kind == StatusCell::Bits;
        QCOMPARE(bits, 2);
        BaseForm* page = showPage("CurrentDhsParamsForm");
        QCOMPARE(page->findChildren<BaseStatusCheckPswWidget*>().size(), 9);
        int bitRows = 0;
        for (BaseStatusWidget* w : page->findChildren<BaseStatusWidget*>())
            bitRows += w->isBitEnabled();
        QCOMPARE(bitRows, 2);

        // Type 8: the inclination has no sensor state of its own.
        cells = CurrentParamsCells::dhsCells(8);
        for (const StatusCell& cell : cells) {
            if (cell.id == 15059)
                QCOMPARE(cell.kind, StatusCell::Number);
        }
    }

    void everyVoltageVariant()
    {
        const struct
        {
            const char* className;
            CurrentParamsCells::VoltagePage page;
        } pages[] = {
            {"CurrentOutputAndTransParamsForm", CurrentParamsCells::OutputAndTrans},
            {"CurrentOutputAndTransParamsModelForm", CurrentParamsCells::OutputAndTransModel},
            {"CurrentMotorParamsForm", CurrentParamsCells::Motor},
            {"CurrentMotorModelParamsForm", CurrentParamsCells::MotorModel},
            {"CurrentSupplyParamsForm", CurrentParamsCells::Supply},
        };
        m_drive.report(1518, 1.f); // the model pages are in the carousel
        for (const auto& p : pages) {
            for (float line : {0.f, 1.f, 65536.f, 2.f}) {
                m_drive.report(LineVoltageId, line);
                const bool isLine = line == 1.f || line == 2.f; // 65536 has its low 16 bits 0
                const QString label = QStringLiteral("%1 1178=%2").arg(QLatin1String(p.className)).arg(line);
                checkCells(showPage(p.className), CurrentParamsCells::voltageCells(p.page, isLine), 0, label);
                if (QTest::currentTestFailed())
                    return;
            }
        }
    }

    void voltagesAsDocumented()
    {
        m_drive.report(1518, 1.f);
        m_drive.report(LineVoltageId, 1.f);
        BaseForm* page = showPage("CurrentOutputAndTransParamsForm");
        QCOMPARE(columnNames(page, 0), names({1148, 1149, 1150, 1163, 1164, 1165}));
        QCOMPARE(columnNames(page, 1), names({1156, 1157, 1158, 1167, 1168, 1169}));
        page = showPage("CurrentMotorModelParamsForm");
        QCOMPARE(columnNames(page, 0), names({1552, 1553, 1554, 1556, 1557}));
        QCOMPARE(columnNames(page, 1), names({1544, 1545, 1546, 1559, 1177, 1211, 1558}));
        m_drive.report(LineVoltageId, 0.f);
        page = showPage("CurrentMotorParamsForm");
        QCOMPARE(columnNames(page, 0), names({716, 717, 718, 719, 9}));
        QCOMPARE(columnNames(page, 1), names({2, 3, 4, 5, 7, 1171}));
        page = showPage("CurrentOutputAndTransParamsModelForm");
        QCOMPARE(columnNames(page, 0), names({1524, 1525, 1526, 1520, 1521, 1522}));
        QCOMPARE(columnNames(page, 1), names({1536, 1537, 1538, 1532, 1533, 1534, 1175}));
        page = showPage("CurrentSupplyParamsForm");
        QCOMPARE(columnNames(page, 0), names({706, 707, 708, 16, 12, 20036}));
        QCOMPARE(columnNames(page, 1), names({857, 858, 859, 20007, 20009, 20034}));
        // The phase sequence is a text.
        auto* sequence = qobject_cast<BaseStatusTextWidget*>(placedWidgets(page).at(4).widget);
        QVERIFY(sequence);
        QCOMPARE(sequence->id(), quint16(12));
    }

    void everyDriveType()
    {
        for (float drive : {0.f, 1.f, 2.f, 3.f, 4.f, 65537.f}) {
            m_drive.report(DriveTypeId, drive);
            const quint16 type = quint16(quint32(drive) & 0xFFFF);
            const QString label = QStringLiteral("685=%1").arg(drive);
            // The setpoint row is the one widget beside the table's cells.
            checkCells(showPage("CurrentVsdParamsForm"), CurrentParamsCells::vsdCells(type), 1, label);
            if (QTest::currentTestFailed())
                return;
        }
        m_drive.report(DriveTypeId, 4.f);
        BaseForm* page = showPage("CurrentVsdParamsForm");
        QCOMPARE(columnNames(page, 1), names({10013, 10014, 9, 10246}));
        m_drive.report(DriveTypeId, 1.f);
        page = showPage("CurrentVsdParamsForm");
        QCOMPARE(columnNames(page, 0), QStringList(Common::getTextFromId(10002)) + names({10001, 10008, 10009, 10010, 10004, 10011, 10012, 10347}));
        QCOMPARE(columnNames(page, 1), names({10013, 10014, 9, 10246, 10499, 10261, 10247, 10327, 10056}));
        m_drive.report(DriveTypeId, 2.f);
        page = showPage("CurrentVsdParamsForm");
        QCOMPARE(columnNames(page, 1), names({10013, 10014, 9, 10246, 10247, 10056, 10109, 10149}));
        m_drive.report(DriveTypeId, 3.f);
        page = showPage("CurrentVsdParamsForm");
        QCOMPARE(columnNames(page, 0).size(), 8);
        QCOMPARE(columnNames(page, 1), names({10013, 10014, 9, 10246, 10260, 10247, 10056, 10109}));
    }

    void everyMainPageVariant()
    {
        m_drive.report(1666, 0.f);
        for (float source : {0.f, 1.f}) {
            for (float temperature : {0.f, 1.f, 2.f}) {
                for (float type : {0.f, 1.f, 9.f, 26.f}) {
                    for (float company : {0.f, 3.f}) {
                        m_drive.report(1519, source);
                        m_drive.report(1215, temperature);
                        m_drive.report(DhsTypeId, type);
                        m_drive.report(1330, company);
                        const QString label = QStringLiteral("1519=%1 1215=%2 39=%3 1330=%4")
                                                  .arg(source).arg(temperature).arg(type).arg(company);
                        checkShape(showPage("CurrentMainParamsForm"), label);
                        if (QTest::currentTestFailed())
                            return;
                    }
                }
            }
        }
    }

    void otherPages()
    {
        m_drive.report(1644, 1.f);
        for (float mode : {1.f, 3.f}) {
            m_drive.report(1666, mode);
            checkShape(showPage("CurrentMenuTechnologForm"), QStringLiteral("technologist page"));
        }
        m_drive.report(1666, 0.f);
        checkShape(showPage("CurrentInputsParamsForm"), QStringLiteral("inputs"));
        BaseForm* page = showPage("CurrentExtendedParamsForm");
        checkShape(page, QStringLiteral("extension board"));
        QCOMPARE(columnNames(page, 0), names({1619, 1620, 1621, 1622, 1774, 1775, 1776, 1777}));
        QCOMPARE(columnNames(page, 1), names({1778, 1779, 1780, 1781, 1782, 1783, 1784, 1785}));
        page = showPage("CurrentInputsParamsForm");
        QCOMPARE(columnNames(page, 0), names({838, 839, 840, 841, 22}));
        QCOMPARE(columnNames(page, 1), names({24, 25, 26, 27, 811, 812, 813, 814}));
    }
};

VRX_TEST_APPLICATION_MAIN(TestCarouselLayout)
#include "tst_carousel_layout.moc"

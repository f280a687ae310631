// The parameter database: its source table and the working copy the program opens.
#include "database.h"
#include "common.h"
#include "test_database.h"

#include <QFile>
#include <QMap>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace {

struct Row
{
    int access, operation, physic, unitOut, discret;
    QString mask;
};

QMap<int, Row> readCsv()
{
    QMap<int, Row> rows;
    QFile f(TestDatabase::csvPath());
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    const QList<QByteArray> lines = f.readAll().split('\n');
    for (int i = 1; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines.at(i)).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList c = line.split(',');
        if (c.size() != 7)
            return QMap<int, Row>();
        rows.insert(c[0].toInt(), Row{c[1].toInt(), c[2].toInt(), c[3].toInt(), c[4].toInt(), c[6].toInt(), c[5]});
    }
    return rows;
}

int pow10(int n)
{
    int r = 1;
    while (n-- > 0)
        r *= 10;
    return r;
}

} // namespace

class TestDatabaseSuite : public QObject
{
    Q_OBJECT

private slots:
    void sourceTableInvariants()
    {
        const QMap<int, Row> rows = readCsv();
        QCOMPARE(rows.size(), 2871);
        QSet<int> expected;
        for (auto range : {qMakePair(0, 999), qMakePair(1000, 2121), qMakePair(10000, 10555),
                           qMakePair(15000, 15138), qMakePair(20000, 20053)})
            for (int id = range.first; id <= range.second; ++id)
                expected.insert(id);
        QSet<int> present;
        for (int id : rows.keys())
            present.insert(id);
        QCOMPARE(present, expected);

        QMap<int, int> perLevel;
        int stoppedOnly = 0;
        for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
            const Row& r = it.value();
            ++perLevel[r.access];
            stoppedOnly += r.operation == 3;
            QVERIFY2(r.discret == pow10(Common::maskDecimals(r.mask)),
                     qPrintable(QString("id %1: discret %2, mask %3").arg(it.key()).arg(r.discret).arg(r.mask)));
            QVERIFY2(r.physic >= 0 && r.physic <= 32, qPrintable(QString::number(it.key())));
            QVERIFY2(r.unitOut >= 0 && r.unitOut <= 8, qPrintable(QString::number(it.key())));
        }
        QCOMPARE(perLevel.value(0), 8);
        QCOMPARE(perLevel.value(1), 2581);
        QCOMPARE(perLevel.value(2), 115);
        QCOMPARE(perLevel.value(3), 166);
        QCOMPARE(perLevel.value(4), 1);
        QCOMPARE(rows.value(576).access, 4);
        QCOMPARE(stoppedOnly, 40);

        // Passwords are four digits; the long number keeps nine; texts are 8 characters.
        for (int id : {573, 574, 575})
            QCOMPARE(rows.value(id).mask, QString("9999"));
        QVERIFY(rows.value(540).mask.size() >= 9);
        for (int id : {1657, 1659, 1661})
            QCOMPARE(rows.value(id).mask.size(), 8);
        // Clocks and dates are date-times.
        for (int id : {562, 534, 546, 723, 1514})
            QCOMPARE(rows.value(id).physic, 1);
    }

    void initialisationCopiesAndOpens()
    {
        TestDatabase db;
        const QString path = db.directory() + "/vrx_gui.sqlite";
        QVERIFY(QFile::exists(path));
        QVERIFY(QFile::permissions(path) & QFileDevice::WriteUser);
        QSqlQuery q("SELECT id, access, operation, physic, unitOut, mask, discret FROM parameters WHERE id = 576");
        QVERIFY(q.next());
        QCOMPARE(q.value(1).toInt(), 4);
        QCOMPARE(q.record().fieldName(4), QString("unitOut"));
        QSqlQuery count("SELECT COUNT(*) FROM parameters");
        QVERIFY(count.next());
        QCOMPARE(count.value(0).toInt(), 2871);

        // A stale copy from an earlier run is replaced.
        QFile stale(path);
        QVERIFY(stale.open(QIODevice::WriteOnly | QIODevice::Truncate));
        stale.write("not a database");
        stale.close();
        Database::initialization();
        QSqlQuery again("SELECT COUNT(*) FROM parameters");
        QVERIFY(again.next());
        QCOMPARE(again.value(0).toInt(), 2871);
    }
};

QTEST_GUILESS_MAIN(TestDatabaseSuite)
#include "tst_database.moc"

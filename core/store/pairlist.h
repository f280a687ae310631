#ifndef PAIRLIST_H
#define PAIRLIST_H

#include <QPair>
#include <QString>
#include <QVector>

// Ordered (code, text) pairs for combo boxes, status texts and status buttons.
// Read by position; codes need not be unique. Copies share their data.
class PairList
{
public:
    PairList() = default;

    void append(int code, const QString& text) { m_pairs.append(qMakePair(code, text)); }
    int size() const { return m_pairs.size(); }
    int key(int i) const { return m_pairs.at(i).first; }
    QString value(int i) const { return m_pairs.at(i).second; }
    void clear() { m_pairs.clear(); }

private:
    QVector<QPair<int, QString>> m_pairs;
};

#endif // PAIRLIST_H

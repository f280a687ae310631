#ifndef BASEFORM_H
#define BASEFORM_H

#include "headerwidget.h"
#include "pairlist.h"

#include <QList>
#include <QPixmap>
#include <QScrollArea>
#include <QTimer>

class QGridLayout;
class QLayout;
class QScrollBar;
class QVBoxLayout;
class BaseAddrEditWidget;
class BaseComboBox;
class BaseComboBox2;
class BaseDoubleParamEditWidget;
class BaseEditWidget;
class BasePassEditWidget;
class BaseStringEditWidget;
class BaseUuidWidget;
class DateTimeEditWidget;
class BaseStatusTextWidget;
class BaseStatusWidget;
class MainWindow;
class PushButton;
class StatusPushButton;

// The base of every screen: a scroll area holding a column (or grid) of rows
// with a cursor row that the arrow keys move and that stays in the middle of the
// screen. It also carries the menu model: a menu adds its sub-form buttons and
// builds its child list in the same order, so button k opens child k.
class BaseForm : public QScrollArea
{
    Q_OBJECT
public:
    BaseForm(QWidget* parent, bool grid);
    ~BaseForm() override;

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    QString textInfo() const { return m_info; }
    void setInfo(const QString& info);
    void setHeaderState(HeaderWidget::HeaderState state);
    static bool isAutoMoveNextParam();

    bool isCreated() const { return m_created; }
    // Builds the rows on the first show, with the cursor on sub-form button buttonIdx.
    void createForm(int buttonIdx);
    void setCurIdxButton(int buttonIdx);
    void setPosition();
    void setCurrentWidget(int row);
    void removeMainStretch();
    void setFormsList(QList<BaseForm*> forms);

    int currentRow() const { return m_curRow; }
    int rowCount() const { return m_rowCount; }
    QWidget* rowWidget(int row) const;
    QList<int> subFormButtons() const { return m_subFormButtons; }
    QList<BaseForm*> formsList() const { return m_subForms; }

    // --- row builders: each returns the widget it made -------------------------
    PushButton* addButton(const QString& text, const char* slot, const QPixmap& pixmap = QPixmap());
    PushButton* addButton(const QString& text, const QPixmap& pixmap = QPixmap());
    StatusPushButton* addStatusButton(quint16 id, const QString& text, const PairList& list);
    BaseEditWidget* addEdit(quint16 id);
    BaseEditWidget* addEdit(const QString& name, quint16 id);
    DateTimeEditWidget* addDateTimeEdit(quint16 id);
    BasePassEditWidget* addPassEdit(quint16 id);
    BasePassEditWidget* addPassEdit(const QString& name, quint16 id);
    BaseAddrEditWidget* addAddrEdit(quint16 id1, quint16 id2, quint16 id3, quint16 id4);
    BaseAddrEditWidget* addAddrEdit(const QString& name, quint16 id1, quint16 id2, quint16 id3, quint16 id4);
    BaseDoubleParamEditWidget* addDoubleParamEdit(quint16 id1, quint16 id2);
    BaseDoubleParamEditWidget* addDoubleParamEdit(const QString& name, quint16 id1, quint16 id2);
    BaseStringEditWidget* addStringEdit(quint16 id1, quint16 id2);
    BaseStringEditWidget* addStringEdit(const QString& name, quint16 id1, quint16 id2);
    BaseComboBox* addComboBox(quint16 id, const PairList& list);
    BaseComboBox* addComboBox(const QString& name, quint16 id, const PairList& list);
    BaseComboBox2* addComboBox(const QString& name, const PairList& list, int current);
    BaseUuidWidget* addUuidText(const QString& name, quint16 id1, quint16 id2, quint16 id3, quint16 id4);
    BaseStatusWidget* addStatusNum(quint16 id, bool bits = false);
    BaseStatusWidget* addStatusNum(const QString& name, quint16 id, bool bits = false);
    BaseStatusTextWidget* addStatusText(quint16 id, const PairList& list);
    BaseStatusTextWidget* addStatusText(const QString& name, quint16 id, const PairList& list);
    QWidget* addWidget(QWidget* widget);
    QWidget* insertWidget(QWidget* widget);

    static MainWindow* mainWindow();

    // A level of screens built anew, as a menu's static createNextForm() builds it.
    using LevelFactory = QList<BaseForm*> (*)();
    // The way back for a screen that cannot name the menu that opened it: the
    // level that menu stands in, built anew by level, shown at the menu of class
    // menuClass with the cursor on this screen's entry. The menu sets it on the
    // screens it builds.
    void setWayBack(LevelFactory level, const QString& menuClass);

public slots:
    virtual void createForm() = 0;
    virtual void setFormsList() {}
    virtual void returnBackForm() = 0;

    void showNextForm(int index);
    void keyUpPress();
    void keyDownPress();
    void mousePress(int row);
    void autoMoveNextParam(bool move);
    void showScrollBar();

signals:
    void signalShowForm();
    void signalKeyEnterPress();
    void signalKeyLeftPress();
    void signalKeyRightPress();
    void signalKeyFuncPress();

protected:
    bool event(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    // Puts a row widget into the rows layout at the next row and counts it.
    void appendRow(QWidget* widget, bool linkMouse);
    // An editable row: after a good edit the cursor may go on to the next row.
    void appendEditRow(QWidget* widget);
    QLayout* rowsLayout() const { return m_rowsLayout; }
    // Goes the way back its menu set; a screen that no menu built stays.
    void returnToMenu();
    QGridLayout* gridLayout() const;
    QWidget* contentWidget() const { return m_content; }

private:
    void focusCurrentRow();
    void syncScrollBar();

    bool m_created = false;
    QWidget* m_content = nullptr;
    QVBoxLayout* m_contentLayout = nullptr;
    QLayout* m_rowsLayout = nullptr;
    QString m_title;
    QString m_info;
    int m_curRow = 0;
    int m_rowCount = 0;
    QList<BaseForm*> m_subForms;
    QList<int> m_subFormButtons;
    QList<int> m_rows;
    QList<QWidget*> m_rowWidgets;
    QTimer m_scrollTimer;
    QScrollBar* m_scrollBar = nullptr;
    LevelFactory m_backLevel = nullptr;
    QString m_backMenu;
};

#endif // BASEFORM_H

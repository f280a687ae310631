#ifndef STACKEDFORM_H
#define STACKEDFORM_H

#include <QList>
#include <QTimer>
#include <QVBoxLayout>

class BaseForm;
class QSlider;
class QStackedLayout;

// The middle of the main window: holds the current list of screens, shows one,
// builds each on its first show, turns pages through the list (by key or by the
// carousel timer) and shows the page indicator. It owns the screens of the list.
class StackedForm : public QVBoxLayout
{
    Q_OBJECT
public:
    explicit StackedForm(QWidget* parent = nullptr);
    ~StackedForm() override;

    void addForm(QList<BaseForm*> forms, int formIdx, int buttonIdx);
    void setCurrentForm(int index, int buttonIdx);
    BaseForm* currentForm() const;
    int currentIndexForm() const { return m_index; }
    QList<BaseForm*> formsList() const { return m_forms; }
    void setCarouselEnabled(bool on);
    bool isCarouselActive() const { return m_carousel.isActive(); }
    int carouselInterval() const { return m_carousel.interval(); }
    void showSlider(int value, int maximum);
    void hideSlider();
    QSlider* slider() const { return m_slider; }
    void removeAllWidgets();

public slots:
    void slotPrevForm();
    void slotNextForm();

signals:
    void setTextTitle(QString text);
    void setTextInfo(QString text);
    void signalSwitchPageVisible(bool showLeft, bool showRight);

private:
    QStackedLayout* m_pages = nullptr;
    QSlider* m_slider = nullptr;
    QList<BaseForm*> m_forms;
    int m_index = 0;
    QTimer m_carousel;
};

#endif // STACKEDFORM_H

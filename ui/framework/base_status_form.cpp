#include "base_status_form.h"

#include "basestatuscheckpswwidget.h"
#include "basestatustextwidget.h"
#include "basestatuswidget.h"
#include "common.h"
#include "mainapplication.h"
#include "mainwindow.h"
#include "parameters.h"
#include "screen_factory.h"

#include <QGridLayout>
#include <QLabel>

namespace {

// A parameter the program has no definition of never gets a value to show:
// its cell says so as a number cell does, instead of staying blank.
void markUnknown(quint16 id, QLabel* valueLabel)
{
    MainApplication* app = MainApplication::getInstance();
    Parameters* parameters = app ? app->getParameters() : nullptr;
    if (!parameters || !parameters->getParameter(id))
        valueLabel->setText(QStringLiteral("---"));
}

} // namespace

BaseStatusForm::BaseStatusForm(QWidget* parent)
    : BaseForm(parent, true)
{
    gridLayout()->setColumnMinimumWidth(0, 320);
    setInfo(QObject::tr("Для перемещения используйте стрелки"));
}

BaseStatusWidget* BaseStatusForm::addStatusNum(const QString& name, quint16 id, int row, int col, bool bits)
{
    auto* cell = new BaseStatusWidget(id, 0, contentWidget());
    cell->setFocusPolicy(Qt::NoFocus);
    cell->setName(name);
    cell->setBitEnabled(bits);
    if (bits)
        cell->valueLabel()->setFixedWidth(189);
    else
        cell->unitLabel()->setFixedWidth(76);
    gridLayout()->addWidget(cell, row, col);
    return cell;
}

BaseStatusWidget* BaseStatusForm::addStatusNum(quint16 id, int row, int col, bool bits)
{
    return addStatusNum(Common::getTextFromId(id), id, row, col, bits);
}

BaseStatusCheckPswWidget* BaseStatusForm::addStatusNumPsw(quint16 id, quint16 id2, int row, int col)
{
    auto* cell = new BaseStatusCheckPswWidget(id, id2, contentWidget());
    cell->setFocusPolicy(Qt::NoFocus);
    cell->setName(Common::getTextFromId(id));
    markUnknown(id, cell->valueLabel());
    gridLayout()->addWidget(cell, row, col);
    return cell;
}

BaseStatusTextWidget* BaseStatusForm::addStatusText(const QString& name, quint16 id, const PairList& list, int row,
                                                    int col, int rowSpan, int colSpan)
{
    auto* cell = new BaseStatusTextWidget(id, 0, contentWidget());
    cell->setFocusPolicy(Qt::NoFocus);
    cell->setName(name);
    cell->setValuesList(list);
    cell->valueTextLabel()->setFixedWidth(169);
    markUnknown(id, cell->valueTextLabel());
    gridLayout()->addWidget(cell, row, col, rowSpan, colSpan);
    return cell;
}

BaseStatusTextWidget* BaseStatusForm::addStatusText(quint16 id, const PairList& list, int row, int col, int rowSpan,
                                                    int colSpan)
{
    return addStatusText(Common::getTextFromId(id), id, list, row, col, rowSpan, colSpan);
}

void BaseStatusForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(QList<BaseForm*>() << window->screens().createMainMenu(), 0, -1);
}

#ifndef CURRENT_PARAMS_CELLS_H
#define CURRENT_PARAMS_CELLS_H

#include <QVector>
#include <QtGlobal>

class BaseComboBox;
class BaseStatusForm;
class QGridLayout;

// One cell of a current-parameter page: a parameter at a place of the grid.
struct StatusCell
{
    enum Kind {
        Number,        // name, value and unit
        Bits,          // the value as a bit field, no unit
        Guarded,       // the value, or the sensor state its companion reports
        PhaseRotation  // the phase sequence as text
    };

    quint16 id;
    quint16 stateId; // the sensor-state companion of a guarded cell, else 0
    Kind kind;
    int row;
    int column;
};

// The layouts of the current-parameter pages that change with the station's
// equipment, and the helpers the pages share. Each page reads the values that
// choose its layout once, when it is built; a change shows on the next
// carousel.
namespace CurrentParamsCells {

// The pages whose voltages are shown as line or as phase voltages.
enum VoltagePage { OutputAndTrans, OutputAndTransModel, Motor, MotorModel, Supply };

// A parameter as a float, and taken as a 16-bit integer (the float as an
// unsigned integer, cut to its low 16 bits).
float value(quint16 id);
quint16 value16(quint16 id);

// Whether the voltages are shown as line voltages (parameter 1178).
bool isLineVoltage();

// The cells of a voltage page, line or phase voltages.
QVector<StatusCell> voltageCells(VoltagePage page, bool line);
// The number cells of the drive page for a drive type (685), its frequency
// setpoint row left out.
QVector<StatusCell> vsdCells(quint16 driveType);
// The cells of the downhole-sensor page for a sensor type (39); any type
// without a layout of its own takes the common one.
QVector<StatusCell> dhsCells(int type);

// Puts cells on a page.
void place(BaseStatusForm* page, const QVector<StatusCell>& cells);

// The two top rows the main page and the technologist page share: the run-mode
// combo (Enter on the page starts its editing, its end gives the focus back to
// the page), the condition banner beside both rows and the output frequency
// under the combo.
BaseComboBox* placeRunModeRows(BaseStatusForm* page, QGridLayout* grid);

} // namespace CurrentParamsCells

#endif // CURRENT_PARAMS_CELLS_H

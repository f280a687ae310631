#include "current_params_cells.h"

#include "base_status_form.h"
#include "basecombobox.h"
#include "combobox.h"
#include "common.h"
#include "generalconditionwidget.h"
#include "mainapplication.h"
#include "parameters.h"
#include "saturate.h"

#include <QGridLayout>

namespace {

const quint16 LineVoltageId = 1178; // voltages shown as line (non-zero) or phase (zero) voltages
const quint16 RunModeId = 15;
const quint16 OutputFrequencyId = 10001;
// In the supply page's table the phase sequence stands among the numbers; it
// is shown as text.
const quint16 PhaseSequenceId = 12;

// --- voltage pages ----------------------------------------------------------------
// Rows 0 to 2 of a column hold the line or the phase voltages, the rows from 3
// on the same ids whichever is shown. A column whose first rows do not depend
// on 1178 lists the same ids twice.
struct VoltageLayout
{
    quint16 leftLine[3];
    quint16 leftPhase[3];
    quint16 leftMore[4];
    quint16 rightLine[3];
    quint16 rightPhase[3];
    quint16 rightMore[4];
};

// In the order of CurrentParamsCells::VoltagePage; each entry gives the left
// column (line ids of rows 0-2, phase ids of rows 0-2, rows 3 on), then the
// right column the same way.
const VoltageLayout voltageLayouts[] = {
    // output and transformer
    {{1148, 1149, 1150}, {1144, 1145, 1146}, {1163, 1164, 1165},
     {1156, 1157, 1158}, {1152, 1153, 1154}, {1167, 1168, 1169}},
    // output and transformer by the model
    {{1528, 1529, 1530}, {1524, 1525, 1526}, {1520, 1521, 1522},
     {1540, 1541, 1542}, {1536, 1537, 1538}, {1532, 1533, 1534, 1175}},
    // motor
    {{1159, 1160, 1161}, {716, 717, 718}, {719, 9},
     {2, 3, 4}, {2, 3, 4}, {5, 7, 1171}},
    // motor by the model
    {{1552, 1553, 1554}, {1548, 1549, 1550}, {1556, 1557},
     {1544, 1545, 1546}, {1544, 1545, 1546}, {1559, 1177, 1211, 1558}},
    // supply network
    {{709, 710, 711}, {706, 707, 708}, {16, PhaseSequenceId, 20036},
     {857, 858, 859}, {857, 858, 859}, {20007, 20009, 20034}},
};
static_assert(sizeof(voltageLayouts) / sizeof(voltageLayouts[0]) == CurrentParamsCells::Supply + 1,
              "one layout per voltage page");

// --- drive page -------------------------------------------------------------------
// Left rows 1 to 7 and right rows 0 to 3, whatever the drive; row 0 of the left
// column is the frequency setpoint row the page builds itself.
const quint16 vsdLeft[] = {10001, 10008, 10009, 10010, 10004, 10011, 10012};
const quint16 vsdRight[] = {10013, 10014, 9, 10246};

// Right rows 4 to 8 and left row 8 by drive type; any other type has none.
struct VsdVariant
{
    quint16 driveType;
    quint16 right[5];
    quint16 leftRow8;
};

const VsdVariant vsdVariants[] = {
    {1, {10499, 10261, 10247, 10327, 10056}, 10347},
    {2, {10247, 10056, 10109, 10149}, 0},
    {3, {10260, 10247, 10056, 10109}, 0},
};

// --- downhole-sensor page ---------------------------------------------------------
struct DhsEntry
{
    quint16 id;
    quint16 stateId;
    bool bits;
};

// A number, a bit field, a value guarded by its sensor state.
constexpr DhsEntry n(quint16 id) { return DhsEntry{id, 0, false}; }
constexpr DhsEntry b(quint16 id) { return DhsEntry{id, 0, true}; }
constexpr DhsEntry g(quint16 id, quint16 state) { return DhsEntry{id, state, false}; }

// Each column from row 0 down; an entry with id 0 ends the column.
struct DhsLayout
{
    int types[2]; // -1: no second type
    DhsEntry left[9];
    DhsEntry right[9];
};

const DhsLayout dhsLayouts[] = {
    {{1, -1},  {g(15002, 1039), g(15004, 1040), g(15003, 1041), g(15011, 1043), g(15007, 1045), n(15092), n(11)},
               {g(15008, 1046), g(15009, 1048), g(15010, 1049), g(15056, 1050), b(15051), b(15053)}},
    {{2, -1},  {n(15002), n(15004), n(15048), n(15005), n(15006), n(15007)},
               {n(15001), n(15053), n(15024)}},
    {{3, -1},  {n(15002), n(15004), n(15048), n(15003)},
               {n(15008), n(15011), n(15007)}},
    {{4, -1},  {n(15002), n(15010), n(15048), n(15004)},
               {n(15008), n(15009), n(15011), n(15007)}},
    {{5, -1},  {n(15002), n(15010), n(15004), n(15048), n(15086)},
               {n(15008), n(15009), n(15011), n(15007)}},
    {{6, -1},  {n(15002), n(15004), n(15003), n(15051)},
               {n(15011), n(15007)}},
    // The sensor's vibration along the second axis (15011) takes a row of its
    // own under the right column; its vibration 15007 already stands in row 6
    // of the left column and is not shown twice.
    {{7, -1},  {n(15001), n(15002), n(15004), n(15003), n(15005), n(15006), n(15007)},
               {n(15051), n(15078), n(15112), n(15011)}},
    // The pump inclination (15059) has no sensor state of its own: a plain number.
    {{8, -1},  {g(15002, 1039), g(15004, 1040), g(15003, 1041), g(15048, 1042), g(15011, 1043), g(15007, 1045), b(15051)},
               {g(15008, 1046), g(15009, 1048), g(15010, 1049), n(15059)}},
    {{9, 25},  {n(15002), n(15004), n(15003), n(15011), n(15051)},
               {n(15008), n(15092), n(15093), n(15094), n(15095)}},
    {{10, -1}, {n(15002), n(15004), n(15003)},
               {n(15011), n(15007)}},
    {{12, -1}, {n(15002), n(15004), n(15003), n(15011), n(15007), n(15051)},
               {n(15008), n(15009), n(15053)}},
    {{13, 23}, {n(15002), n(15008), n(15004), n(15003), n(15005), n(15007), n(15092), n(15112)},
               {}},
    {{14, -1}, {n(15002), n(15004), n(15003), n(15011), n(15007)},
               {n(15008), n(15009), n(15010), n(15017), n(15053)}},
    {{15, -1}, {n(15002), n(15004), n(15048), n(15003), n(15005), n(15006), n(15007)},
               {n(15008), n(15009), n(15010)}},
    {{16, 17}, {g(15002, 1039), g(15004, 1040), g(15003, 1041), g(15048, 1042), g(15005, 1043), g(15006, 1044), g(15007, 1045)},
               {g(15008, 1046), g(15009, 1048), g(15010, 1049), g(15056, 1050), n(11), n(15017), b(15053)}},
    {{18, -1}, {n(15002), n(15004), n(15003), n(15011), n(15007)},
               {n(15008), n(15009), n(15092)}},
    {{19, -1}, {n(15002), n(15004), n(15003), n(15005), n(15006), n(15007)},
               {n(15008), n(15009), n(15136), n(15112), n(15092)}},
    {{20, -1}, {g(15002, 1039), g(15004, 1040), g(15003, 1041), g(15048, 1042), g(15011, 1043), g(15007, 1045), b(15051)},
               {g(15008, 1046), g(15009, 1048), g(15010, 1049)}},
    {{21, -1}, {n(15002), n(15004), n(15003), n(15005), n(15006)},
               {n(15008), n(15009), n(15112), n(15092)}},
    {{22, -1}, {n(15002), n(15004), n(15003), n(15005), n(15007)},
               {n(15008), n(15092)}},
    {{24, -1}, {n(15002), n(15004), n(15003), n(15005), n(15006)},
               {n(15008), n(15009)}},
};

// Every other type: none (0), 11, below 1 and above 25.
const DhsLayout dhsCommonLayout =
    {{-1, -1}, {n(15002), n(15004), n(15003), n(15011), n(15007), n(15052)},
               {n(15008), n(15009), n(15010), n(15056), n(15053)}};

void appendColumn(QVector<StatusCell>& cells, const quint16* ids, int count, int firstRow, int column)
{
    int row = firstRow;
    for (int i = 0; i < count && ids[i] != 0; ++i, ++row) {
        const StatusCell::Kind kind = ids[i] == PhaseSequenceId ? StatusCell::PhaseRotation : StatusCell::Number;
        cells.append(StatusCell{ids[i], 0, kind, row, column});
    }
}

void appendColumn(QVector<StatusCell>& cells, const DhsEntry* entries, int column)
{
    for (int row = 0; row < 9 && entries[row].id != 0; ++row) {
        const DhsEntry& e = entries[row];
        const StatusCell::Kind kind = e.stateId != 0 ? StatusCell::Guarded
                                      : e.bits      ? StatusCell::Bits
                                                    : StatusCell::Number;
        cells.append(StatusCell{e.id, e.stateId, kind, row, column});
    }
}

} // namespace

namespace CurrentParamsCells {

float value(quint16 id)
{
    MainApplication* app = MainApplication::getInstance();
    Parameters* parameters = app ? app->getParameters() : nullptr;
    return parameters ? parameters->get(id) : 0.0f;
}

quint16 value16(quint16 id)
{
    return static_cast<quint16>(saturatingUInt(value(id)) & 0xFFFFu);
}

bool isLineVoltage()
{
    return value16(LineVoltageId) != 0;
}

QVector<StatusCell> voltageCells(VoltagePage page, bool line)
{
    const VoltageLayout& layout = voltageLayouts[page];
    QVector<StatusCell> cells;
    appendColumn(cells, line ? layout.leftLine : layout.leftPhase, 3, 0, 0);
    appendColumn(cells, layout.leftMore, 4, 3, 0);
    appendColumn(cells, line ? layout.rightLine : layout.rightPhase, 3, 0, 1);
    appendColumn(cells, layout.rightMore, 4, 3, 1);
    return cells;
}

QVector<StatusCell> vsdCells(quint16 driveType)
{
    QVector<StatusCell> cells;
    appendColumn(cells, vsdLeft, int(sizeof(vsdLeft) / sizeof(vsdLeft[0])), 1, 0);
    appendColumn(cells, vsdRight, int(sizeof(vsdRight) / sizeof(vsdRight[0])), 0, 1);
    for (const VsdVariant& variant : vsdVariants) {
        if (variant.driveType != driveType)
            continue;
        appendColumn(cells, &variant.leftRow8, 1, 8, 0);
        appendColumn(cells, variant.right, 5, 4, 1);
    }
    return cells;
}

QVector<StatusCell> dhsCells(int type)
{
    const DhsLayout* layout = &dhsCommonLayout;
    for (const DhsLayout& candidate : dhsLayouts) {
        // -1 in the table marks a layout without a second type: a reported
        // -1 must not match it (every type below 1 takes the common layout).
        if (type >= 1 && (candidate.types[0] == type || candidate.types[1] == type)) {
            layout = &candidate;
            break;
        }
    }
    QVector<StatusCell> cells;
    appendColumn(cells, layout->left, 0);
    appendColumn(cells, layout->right, 1);
    return cells;
}

void place(BaseStatusForm* page, const QVector<StatusCell>& cells)
{
    for (const StatusCell& cell : cells) {
        switch (cell.kind) {
        case StatusCell::Number:
            page->addStatusNum(cell.id, cell.row, cell.column, false);
            break;
        case StatusCell::Bits:
            page->addStatusNum(cell.id, cell.row, cell.column, true);
            break;
        case StatusCell::Guarded:
            page->addStatusNumPsw(cell.id, cell.stateId, cell.row, cell.column);
            break;
        case StatusCell::PhaseRotation: {
            PairList sequences;
            sequences.append(0, Common::getTextPhaseRotation(0));
            sequences.append(1, Common::getTextPhaseRotation(1));
            page->addStatusText(cell.id, sequences, cell.row, cell.column);
            break;
        }
        }
    }
}

BaseComboBox* placeRunModeRows(BaseStatusForm* page, QGridLayout* grid)
{
    auto* combo = new BaseComboBox(RunModeId, 0);
    combo->setName(Common::getTextFromId(RunModeId));
    PairList modes;
    modes.append(0, QObject::tr("Ручной"));
    modes.append(1, QObject::tr("Автоматический"));
    modes.append(2, QObject::tr("По программе"));
    combo->setValuesList(modes);
    combo->comboBox()->setFixedWidth(169);
    grid->addWidget(combo, 0, 0);
    grid->addWidget(new GeneralConditionWidget, 0, 1, 2, 1);
    page->addStatusNum(OutputFrequencyId, 1, 0);

    // The cells take no cursor: Enter on the page is the way to the run mode.
    QObject::connect(page, &BaseForm::signalKeyEnterPress, combo, &BaseComboBox::slotEditingBegin);
    QObject::connect(combo, &BaseComboBox::signalEditingEnd, page, [page]() { page->setFocus(); });
    return combo;
}

} // namespace CurrentParamsCells

#include "app/PresetLists.h"

#include "doc/OptionExchange.h"
#include "doc/PanelControls.h"

#include <map>

namespace {

QStringList List(std::initializer_list<const char*> values) {
    QStringList list;
    for (const char* value : values)
        list << QString::fromLatin1(value);
    return list;
}

} // namespace

const QStringList& PresetList(int controlId) {
    static const QStringList surcharges =
        List({"0.0", "3.0", "5.0", "10.0", "15.0", "20.0", "30.0"});
    static const QStringList bars = List({"D10", "D10+D13", "D13", "D13+D16", "D16", "D16+D19",
                                          "D19", "D19+D22", "D22", "D22+D25", "D25"});
    static const QStringList pitches = List({"100", "125", "150", "175", "200", "250"});
    static const std::map<int, QStringList> lists = {
        {IDC_FC, List({"18", "21", "24", "27"})},
        {IDC_Q, surcharges},
        {IDC_MU, List({"0.30", "0.35", "0.40", "0.45", "0.50", "0.55"})},
        {IDC_GAMMA_S, List({"16.0", "17.0", "17.5", "18.0", "20.0"})},
        {IDC_FE, List({"20", "30", "50", "100", "200", "300", "500", "1000"})},
        {IDC_BAR_WALL, bars},
        {IDC_BAR_TOE, bars},
        {IDC_BAR_HEEL, bars},
        {IDC_PITCH_WALL, pitches},
        {IDC_PITCH_TOE, pitches},
        {IDC_PITCH_HEEL, pitches},
        {IDC_GAMMA_C, List({"18", "20", "22", "24", "24.5", "25"})},
        {IDC_GAMMA_S_FRONT, List({"0", "16", "17", "17.5", "18", "20"})},
        {IDC_Q_FRONT, surcharges},
    };
    static const QStringList none;
    auto it = lists.find(controlId);
    return it == lists.end() ? none : it->second;
}

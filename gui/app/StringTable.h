#pragma once

#include <QCoreApplication>
#include <QString>

namespace radio {
namespace gui {

// The message table of the language packs, by the ids the messages are known by.
class StringTable {
    Q_DECLARE_TR_FUNCTIONS(StringTable)
  public:
    enum Id {
        OutOfRange = 61448,
        CommunicationError = 61451,
        AllDataCleared = 61452,
        PortNotOpened = 61453,
        ProgramInterrupt = 61454,
        OffRaster = 61456,
        Caution = 61458,
    };

    static QString text(Id id) {
        switch (id) {
            case OutOfRange:
                return tr("Out of range,please input again.");
            case CommunicationError:
                return tr(
                    "Communication Error,Please check all the connections and the radio power");
            case AllDataCleared:
                return tr("All data will be Cleared!");
            case PortNotOpened:
                return tr(
                    "Could not Open the Port,Please check whether the Port are occupied or "
                    "the device are ok");
            case ProgramInterrupt:
                return tr("Program Interrupt, Please reset the radio and try again");
            case OffRaster:
                return tr("Error data Value, please input according the step value(6.25K/5k).");
            case Caution:
                return tr("Caution");
        }
        return {};
    }
};

}  // namespace gui
}  // namespace radio

#include "platform/window/qt/QtModalDialog.h"

#include "platform/window/qt/Hub.h"

#include <QDialog>

namespace platform::detail {

int RunQtModalDialog(QDialog& dialog)
{
    const int result = dialog.exec();
    Hub::Instance().Activation().GiveBackKeyboard();
    return result;
}

} // namespace platform::detail

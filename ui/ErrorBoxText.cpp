#include "ui/ErrorBoxText.h"

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > u'.') {
        return message + u'.';
    }
    return message;
}

#include "app/application.h"

#include "packaging/desktop_identity.h"
#include "platform/client_text.h"
#include "platform/qt_translations.h"

#include <QLocale>
#include <QMessageBox>

#include <exception>

VelmoraApplication::VelmoraApplication(int &argc, char **argv) : QApplication(argc, argv) {
    velmora::desktop::installDesktopIdentity(*this);
}

bool VelmoraApplication::notify(QObject *receiver, QEvent *event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        showException(error);
    }
    return false;
}

void VelmoraApplication::showException(const std::exception &error) {
    QMessageBox::critical(activeWindow(), applicationName(),
                          velmora::platform::fromClientText(QByteArray(error.what())));
}

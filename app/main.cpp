// The program entry: the main window logs on while it is constructed, the source view is
// created hidden, and the message loop runs until the main window is closed.

#include "app/application.h"
#include "app/fmlist.h"
#include "platform/japanese_fonts.h"
#include "viewer/fmview.h"

#include <exception>

int main(int argc, char *argv[]) {
    VelmoraApplication app(argc, argv);
    try {
        QCoreApplication::setApplicationName("Velmora");
        velmora::platform::installJapaneseFaceSubstitutions();
        TfmList fmList;
        TfmView fmView(fmList.OCIcur, fmList.OCI);
        // Closing the main window ends the program, also while the source view is open.
        fmView.setAttribute(Qt::WA_QuitOnClose, false);
        fmList.setView(&fmView);
        if (!fmList.quitRequested()) {
            fmList.show();
            app.exec();
        }
    } catch (const std::exception &error) {
        VelmoraApplication::showException(error);
    }
    return 0;
}

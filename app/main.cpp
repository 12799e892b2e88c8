// The program entry: the command line is answered first (without a display), then the main
// window logs on while it is constructed, the source view is created hidden, and the message
// loop runs until the main window is closed.

#include "app/application.h"
#include "app/command_line.h"
#include "app/fmlist.h"
#include "platform/japanese_fonts.h"
#include "viewer/fmview.h"

#include <exception>
#include <iostream>

int main(int argc, char *argv[]) {
    if (const auto status = velmora::app::answerCommandLine(
            std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr))
        return *status;
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

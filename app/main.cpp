#include <cstdlib>

#include <wx/app.h>

#include "app/QuorrelApp.h"

wxIMPLEMENT_APP_NO_MAIN(CQuorrelApp);

int main(int argc, char** argv) {
    // The toolkit probes OpenGL when it opens the display, which maps the GL
    // libraries (some 50 MB) although nothing here draws with GL. A GDK_GL
    // the user has set is left as it is.
    setenv("GDK_GL", "disable", 0);
    return wxEntry(argc, argv);
}

#include "query/program_main.h"

#include "query/query_dialog.h"
#include "winlayer/dialogs.h"

namespace query {

int ProgramMain(HINSTANCE, HINSTANCE, const char*, int) {
    winlayer::setDialogFont("arial", 10, 0, 0);
    BuildQueryDialog();
    winlayer::showModal(queryDialog, QueryDialogProc);
    queryDialog = nullptr;
    return 0;
}

} // namespace query

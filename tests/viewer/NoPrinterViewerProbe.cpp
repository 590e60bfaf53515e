// Loads the viewer and reports what it and the printing code show, one
// "name=value" per line.
#include "host/PreviewValues.h"
#include "platform/forms/Application.h"
#include "platform/forms/Image.h"
#include "platform/forms/Panel.h"
#include "platform/forms/ToolbarButton.h"
#include "platform/printer/Printers.h"
#include "printing/PrinterMargin.h"
#include "printing/PrinterSetupCommands.h"
#include "viewer/frmPrtPreview.h"

#include <cstdio>
#include <filesystem>

using namespace kelvppvw;

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    Application::ensure();
    gsAppPath = argv[1];
    gsAppName = "App";
    std::filesystem::create_directories(gsAppPath + "/Preview");
    auto v = NewForm<frmPrtPreview>();
    v->Load();
    std::printf("found=%d\n", v->mbPrinterFound ? 1 : 0);
    std::printf("panel2=%s\n", v->stbr1->Panels(2).Text().c_str());
    std::printf("noPrinterImage=%d\n", v->imgNoP->Visible() ? 1 : 0);
    std::printf("printAll=%d\n", v->tlbr1->Button("PrintAll").Enabled() ? 1 : 0);
    std::printf("printers=%d\n", Printers::installed()->count());
    std::string margins;
    for (uint8_t i = 1; i <= 7; ++i)
        margins += (i > 1 ? " " : "") + std::to_string(PrinterMargin(i));
    std::printf("margins=%s\n", margins.c_str());
    // A stored choice naming the test queue must not be applied without a server.
    const std::string ini = gsAppPath + "/host.ini";
    ApplyStoredPrinterSetup("App", ini);
    std::printf("setup=%d\n", RunPrinterSetup("App", ini) ? 1 : 0);
    v->Unload();
    std::printf("done=1\n");
    return 0;
}

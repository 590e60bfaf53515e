// An outside host that knows the component only through its installed headers.
#include <kelvppvw/kelvppvw.h>

#include <cstdlib>
#include <iostream>

using namespace kelvppvw;

namespace {

class Report : public PrintDataObject {
protected:
    void PrintDataObjText(Variant&, Variant&) override {}
};

int failures = 0;
void check(bool ok, const char* what) {
    if (!ok) {
        std::cerr << "FAILED: " << what << "\n";
        ++failures;
    }
}

} // namespace

int main() {
    auto preview = std::make_shared<clsPreview>();
    check(preview->PlugNameVersion() == "kelvppvw\t1.0.0", "PlugNameVersion");
    ClassRegistry::instance().registerClass("Outside.Report", [] { return ObjectRef(std::make_shared<Report>()); });
    check(ClassRegistry::instance().create("outside.report") != nullptr, "host class registered");

    bool asked = false;
    preview->onRequestData([&](std::string& want) { asked = want == "Me_Passer_Form"; });
    ModalScript::push([](ModalMoment& m) {
        m.form->Unload();
        return 0;
    });
    const bool shown = preview->ShowPreviewDialog("Outside.Report", "", false, "Outside", "Sect", "Prn", "o.ini",
                                                  "doc.txt", std::getenv("KELVPPVW_HOME"), "Title", "Text");
    check(shown, "ShowPreviewDialog returned True");
    check(asked, "RequestData raised");
    check(gsAppName.empty() && gsObjClassName.empty() && gsPrtAppIni.empty(), "run strings cleared");
    check(gsAppSect == "Sect", "settings section kept");
    std::cout << (failures ? "consumer failed" : "consumer ok") << std::endl;
    return failures ? 1 : 0;
}

#include "menus/archive_picker.hpp"

#include "app/console_routines.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

PickResult pickfromlist(const RunContext& p, const std::string& type) {
    make_filelist(p, type);
    // Read afresh at every call: no name of an earlier listing is offered.
    std::vector<std::string> names = read_filelist(kMaxArchives);
    if (names.empty()) {
        oops(p, " No such files exist in this directory!");
        return PickResult::NoFiles;
    }
    static const PagePrompts prompts{10, "see next page <N,n>", "see preivous page <P,p>"};
    PickOutcome picked = pick_from_pages(p, names, prompts);
    // The whole listed name goes to the viewer, which quotes it for the shell.
    if (picked.result == PickResult::Picked) showpick(p, picked.name);
    return picked.result;
}

}  // namespace tolv7

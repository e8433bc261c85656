// Keyboard answers of the airport entry form, through the rewrite of the
// user airport file and the rebuilt index files.
#include "airports/airport_entry.hpp"
#include "program/startup.hpp"
#include "session.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tolv7;
    // The form writes both files; each input starts from the tree's copies.
    fuzz::WorkFolder work({"AIRPORTS/NEWPORTS.DAT", "AIRPORTS/CODES"});
    fuzz::FuzzProgram fp(fuzz::as_text(data, size));
    fuzz::run_to_stop([&] {
        open_program_files(*fp);
        fp->set.init.menus = "YES";
        addaport(*fp);
    });
    return 0;
}

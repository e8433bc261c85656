#include "support/viewer_recorder.hpp"

#include "support/test_program.hpp"
#include "support/tmux_session.hpp"

namespace tolv7::test {

std::string program_with_viewer_recorder(const fs::path& dir, const std::string& script) {
    write_file(dir / "TOLV.INI",
               "MENUS     = YES\nOS        = LINUX\nDISPLAY   = DOS\nVIEWER    = viewrec\nOUTPUT    = FILE\nEND\n");
    fs::path bin = dir / "bin";
    write_file(bin / "viewrec", "#!/bin/sh\nprintf '%s\\n' \"$*\" >> \"$VIEWER_LOG\"\n" + script);
    fs::permissions(bin / "viewrec", fs::perms::owner_all);
    return "VIEWER_LOG=" + sh_quote((dir / "VIEWER.LOG").string()) + " PATH=" + sh_quote(bin.string()) +
           ":\"$PATH\" " + sh_quote(built_program(TOLV7_EXE).string());
}

}  // namespace tolv7::test

#include "batch_inputs.hpp"

#include "program/startup.hpp"

namespace tolv7::fuzz {

void run_batch_with(std::initializer_list<NamedText> files) {
    WorkFolder work;
    for (const auto& [name, text] : files) write_work_file(name, text);
    FuzzProgram fp;
    run_to_stop([&] {
        start_up_lent(fp);
        run_batch(*fp);
    });
}

}  // namespace tolv7::fuzz

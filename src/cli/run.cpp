#include "cli/run.h"

#include <exception>
#include <ostream>
#include <system_error>

#include "cli/arguments.h"
#include "cli/execute.h"

namespace huewright {

int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err, const RunContext& context) {
    try {
        const ParsedArguments parsed = parseArguments(args);
        if (parsed.request != ParsedArguments::Request::Run) {
            out << parsed.text;
            out.flush();
            if (!out) {
                throw UsageError("cannot write to standard output");
            }
            return 0;
        }
        execute(parsed.plan, in, out, err, context);
        return 0;
    } catch (const std::exception& e) {
        // A stream's own error says "basic_ios::clear" and the like; the reason is the system's.
        const auto* system = dynamic_cast<const std::system_error*>(&e);
        err << "huewright-cli: "
            << (system != nullptr ? "cannot write to standard output: " + system->code().message()
                                  : std::string(e.what()))
            << '\n';
        return 2;
    }
}

}  // namespace huewright

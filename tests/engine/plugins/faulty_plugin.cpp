// A plug-in that misbehaves on request, for the plug-in host's tests; its
// library entry and its class "Faulty" act alike. The questionnaire title
// says what to do: "crash", "abort", "exit", "hang", "slow" (the text "done"
// after 300 ms), "count" (how many calls this process has made so far), or a
// number n (a text of n bytes).
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <unistd.h>

#include "plugins/plugin_object.h"

namespace {

std::string reply;
int calls = 0;

std::string run(KZString title)
{
    ++calls;
    const std::string command = title ? title : "";
    if (command == "crash")
        std::raise(SIGSEGV);
    if (command == "abort")
        std::abort();
    if (command == "exit")
        std::exit(0);
    if (command == "hang")
        for (;;)
            pause();
    if (command == "slow") {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        return "done";
    }
    if (command == "count")
        return std::to_string(calls);
    return std::string(std::strtoul(command.c_str(), nullptr, 10), 'x');
}

KZString faultyObject(int32_t*, KZString title, int16_t, int16_t, int16_t, const KZStringArray*, int32_t,
                      const int16_t*, const int16_t*, const KZStringArray*)
{
    const std::string text = run(title);
    return KZStringAlloc(text.data(), static_cast<int32_t>(text.size()));
}

}  // namespace

extern "C" {

KZ_EXPORT const char* KZExternProcessMain(int32_t*, KZString title, int16_t, int16_t, int16_t, const KZStringArray*,
                                          int32_t, const int16_t*, const int16_t*, const KZStringArray*)
{
    reply = run(title);
    return reply.c_str();
}

KZ_EXPORT KZObjectMethodFn KZExternProcessObject(const char* className)
{
    return std::strcmp(className, "Faulty") == 0 ? faultyObject : nullptr;
}

}  // extern "C"

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Where printing a poem failed.
enum class PrintStep {
    Accepting, // the printer did not take the job
    Printing,  // it took it and failed on a sheet or at the end
};

// Whether system error `error` says something about the printer, its queue or the job that a
// user can act on. Others (an invalid handle, an invalid parameter) describe only the system's
// own inner workings, whose words would mislead as a reason.
bool ExplainsAPrintFailure(uint32_t error);

// "无法打印：", the printer by its name and the step that failed, then the system's words for
// `error` when they explain it (else that the system gives no reason), and the error's number.
std::u16string PrintFailedMessage(std::u16string_view printer, PrintStep step, uint32_t error,
                                  std::u16string_view systemWords);

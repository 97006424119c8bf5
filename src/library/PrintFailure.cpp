#include "PrintFailure.h"

#include <algorithm>
#include <iterator>

namespace {

// Windows error codes that tell the state of a printer, its queue, the spooler or the job.
constexpr uint32_t PrinterConditions[] = {
    5,    // access denied
    8,    // not enough memory
    14,   // out of memory
    21,   // the device is not ready
    28,   // out of paper
    29,   // write fault
    61,   // the print queue is full
    62,   // no space for the spool file
    63,   // the print job was cancelled
    112,  // the disk is full
    1223, // cancelled by the user
    1722, // the spooler is not running
    1801, // no printer of that name
    1905, // the printer was deleted
    1906, // the printer is in a state that cannot print
    3002, // the spool file is gone
    3003, // the job was never started
    3004, // the job could not be added
    3012, // the printer is not found
};

std::u16string Decimal(uint32_t number) {
    const std::string digits = std::to_string(number);
    return {digits.begin(), digits.end()};
}

} // namespace

bool ExplainsAPrintFailure(uint32_t error) {
    return std::find(std::begin(PrinterConditions), std::end(PrinterConditions), error) !=
           std::end(PrinterConditions);
}

std::u16string PrintFailedMessage(std::u16string_view printer, PrintStep step, uint32_t error,
                                  std::u16string_view systemWords) {
    std::u16string message = u"无法打印：打印机“";
    message += printer;
    message += step == PrintStep::Accepting ? u"”没有接受这首诗的打印任务。"
                                            : u"”在打印时出错，这首诗没有打印出来。";
    message += u"\r\n\r\n";
    while (!systemWords.empty() && (systemWords.back() == u'\n' || systemWords.back() == u'\r')) {
        systemWords.remove_suffix(1);
    }
    if (ExplainsAPrintFailure(error) && !systemWords.empty()) {
        message += systemWords;
    } else {
        message += u"系统没有说明原因。";
    }
    message += u"（错误代码 " + Decimal(error) + u"）";
    return message;
}

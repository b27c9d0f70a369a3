#include "output/gui/print_queue.h"

#include <cups/cups.h>

namespace sl {

std::string QueueRefusal(const std::string& printerName) {
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
  std::string refusal;
  // A queue's instance (its own set of options) is named after a "/": "office/duplex".
  const auto slash = printerName.find('/');
  const std::string queue = printerName.substr(0, slash);
  const std::string instance = slash == std::string::npos ? "" : printerName.substr(slash + 1);
  const cups_dest_t* dest = cupsGetDest(queue.c_str(), instance.empty() ? nullptr : instance.c_str(),
                                        count, dests);
  if (!dest) {
    refusal = "the printer " + printerName + " is not known to the print system";
  } else {
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    if (accepting && std::string(accepting) == "false") {
      refusal = "the printer " + printerName + " is not accepting jobs";
    }
  }
  cupsFreeDests(count, dests);
  return refusal;
}

std::string LastPrintSystemError() {
  if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE) return "";
  const char* text = cupsLastErrorString();
  return text && *text ? text : "the print system refused the job";
}

}  // namespace sl

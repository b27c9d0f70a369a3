#include "output/gui/print_queue.h"

#include <cups/cups.h>

namespace sl {

std::string QueueRefusal(const std::string& printerName) {
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
  std::string refusal;
  const cups_dest_t* dest = cupsGetDest(printerName.c_str(), nullptr, count, dests);
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

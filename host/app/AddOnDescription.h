// What the loaded add-ons registered with the host, as text for a person.
#ifndef ZORHOST_ADD_ON_DESCRIPTION_H
#define ZORHOST_ADD_ON_DESCRIPTION_H

#include <string>

#include "zorsim/Host.h"

namespace zorhost {

// Every registered add-on with its version, company and host interface,
// every menu option with its menu, position and whether it is available now
// (which asks the add-on), and every macro command name an add-on answers.
std::string describeAddOns(const zorsim::Host& host);

}  // namespace zorhost

#endif

// Fixed texts under which the add-on presents itself to the host.
#ifndef KFA_ADDON_ADDON_NAMES_H
#define KFA_ADDON_ADDON_NAMES_H

// The add-on's name at registration and the name its macro commands go by.
extern const char* const AddOnName;

#endif

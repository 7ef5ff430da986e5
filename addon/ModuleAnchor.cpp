// The module's own translation unit; the add-on's code comes from kfa_core,
// linked in whole so that the entry point is there.

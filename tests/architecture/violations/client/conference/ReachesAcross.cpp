#include "addressbook/ContactsPanel.h"

#include "test_driver_log.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* TEST_FAMILY is "lamp", "meter" or "led"; TEST_FAMILY_UPPER its environment name part. */

void test_driver_log(const char* name, int unit) {
    const char* path = getenv("VARDEN_TEST_CALL_LOG");
    if (path == NULL || *path == '\0') {
        return;
    }
    FILE* file = fopen(path, "a");
    if (file == NULL) {
        return;
    }
    if (unit < 0) {
        fprintf(file, "%s.%s()\n", TEST_FAMILY, name);
    } else {
        fprintf(file, "%s.%s(%d)\n", TEST_FAMILY, name, unit);
    }
    fclose(file);
}

static const char* setting(const char* what) {
    char name[64];
    snprintf(name, sizeof name, "VARDEN_TEST_%s_%s", TEST_FAMILY_UPPER, what);
    return getenv(name);
}

int test_driver_device_count(void) {
    const char* count = setting("COUNT");
    if (count != NULL) {
        return atoi(count);
    }
    return strcmp(TEST_FAMILY, "led") == 0 ? 0 : 1;
}

int test_driver_unit_active(unsigned short unit) {
    const char* active = setting("ACTIVE");
    if (active == NULL) {
        active = strcmp(TEST_FAMILY, "led") == 0 ? "" : "0";
    }
    char list[256];
    snprintf(list, sizeof list, "%s", active);
    for (char* item = strtok(list, ","); item != NULL; item = strtok(NULL, ",")) {
        if (atoi(item) == unit) {
            return 1;
        }
    }
    return 0;
}

/* What the fault injector (fault_inject.c) tells the test that ran a
 * program under it. The report file named by NIMBRA_FAULT_REPORT is mapped
 * shared by the injector, so the launcher and the reader it forks count on
 * the same counter, and it holds this record when the program has ended. */
#ifndef NIMBRA_TESTS_FAULT_FAULT_REPORT_H
#define NIMBRA_TESTS_FAULT_FAULT_REPORT_H

#include <stdint.h>

#define NIMBRA_FAULT_MAGIC 0x4e464c54u /* "NFLT" */

struct nimbra_fault_report {
    uint32_t magic;
    int32_t error;      /* the errno injected */
    int64_t seen;       /* calls of the chosen class that were counted */
    int64_t fired_at;   /* the call that was made to fail (1-based), 0: none */
    char fired_in[256]; /* the function and path of that call */
};

#endif /* NIMBRA_TESTS_FAULT_FAULT_REPORT_H */

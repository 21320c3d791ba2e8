#include "architettura.h"

#if defined(__i386__)
#include <cpuid.h>
#endif

namespace Modulo1::Linux {

// The highest addresses are the kernel's TASK_SIZE less one byte in its
// default layout: 4-level paging on x86-64 (the top page stays unmapped),
// the 3G/1G split on 32-bit x86 and ARM, 48-bit addresses on ARM64, the
// 128 TiB that mmap hands out unasked on POWER and on RISC-V with Sv48 (Sv39's
// 256 GiB has the same low 32 bits), and s390x's 4 TiB before a process asks
// for more. Windows has no number for POWER64, RISC-V or s390x. A 32-bit build
// measures its limit (indirizzo_massimo.h): its split is only where it stops
// when the kernel will not say.
Architettura ArchitetturaCorrente() {
#if defined(__x86_64__)
    return {ArchitetturaX86_64, 0x7FFF'FFFF'EFFFu};
#elif defined(__i386__)
    return {ArchitetturaX86, 0xBFFF'FFFFu};
#elif defined(__aarch64__)
    return {ArchitetturaArm64, 0xFFFF'FFFF'FFFFu};
#elif defined(__arm__)
    return {ArchitetturaArm, 0xBEFF'FFFFu};
#elif defined(__ia64__)
    return {ArchitetturaIa64, 0};
#elif defined(__alpha__)
    return {ArchitetturaAlpha, 0};
#elif defined(__mips__) && !defined(__mips64)
    return {ArchitetturaMips, 0x7FFF'FFFFu};
#elif defined(__powerpc__) && !defined(__powerpc64__)
    return {ArchitetturaPpc, 0};
#elif defined(__powerpc64__) || (defined(__riscv) && __riscv_xlen == 64)
    return {ArchitetturaIgnota, 0x7FFF'FFFF'FFFFu};
#elif defined(__s390x__)
    return {ArchitetturaIgnota, 0x3FF'FFFF'FFFFu};
#else
    return {ArchitetturaIgnota, 0};
#endif
}

std::int32_t TipoProcessoreX86(unsigned Famiglia) {
    if (Famiglia >= 5) {
        return 586;
    }
    return Famiglia == 4 ? 486 : 386;
}

// Windows numbers only the processors it ran on: x86-64 (AMD_X8664), the
// Itanium (2200), Alpha (21064) and MIPS (R4000). Its SDK has no type for
// ARM64 and documents ARM's as reserved, so they and the rest get 0, which
// the report leaves unnamed.
std::int32_t TipoProcessore() {
#if defined(__x86_64__)
    return 8664;
#elif defined(__i386__)
    unsigned Eax = 0, Ebx = 0, Ecx = 0, Edx = 0;
    if (__get_cpuid(1, &Eax, &Ebx, &Ecx, &Edx) == 0) {
        return TipoProcessoreX86(3);  // no CPUID: a 386 or an early 486
    }
    return TipoProcessoreX86((Eax >> 8) & 0xF);
#elif defined(__ia64__)
    return 2200;
#elif defined(__alpha__)
    return 21064;
#elif defined(__mips__) && !defined(__mips64)
    return 4000;
#else
    return 0;
#endif
}

}  // namespace Modulo1::Linux

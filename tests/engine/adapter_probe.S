/* Calls generated code as a stdcall callback with known values in the callee-saved registers
   and a non-default FPU control word, and reports what the callee left behind. */
    .data
    .balign 4
saved_ebp:      .long 0
esp_before:     .long 0
esp_after:      .long 0
after_ebx:      .long 0
after_esi:      .long 0
after_edi:      .long 0
after_ebp:      .long 0
after_eax:      .long 0
after_cw:       .word 0
    .globl _probeControlWord
_probeControlWord: .word 0x0E7F

    .text
/* void ProbeCall(const void* code, const uint32_t* args, int count, ProbeResult* out) */
    .globl _ProbeCall
_ProbeCall:
    push %ebp
    mov %esp, %ebp
    push %ebx
    push %esi
    push %edi
    sub $4, %esp
    fnstcw (%esp)                  /* caller's control word at -16(%ebp) */
    mov 12(%ebp), %edx
    mov 16(%ebp), %ecx
1:  test %ecx, %ecx                /* push the arguments, last first */
    jz 2f
    dec %ecx
    pushl (%edx,%ecx,4)
    jmp 1b
2:  mov 8(%ebp), %eax
    mov %esp, esp_before
    mov %ebp, saved_ebp
    fldcw _probeControlWord
    mov $0x11111111, %ebx
    mov $0x22222222, %esi
    mov $0x33333333, %edi
    mov $0x44444444, %ebp
    call *%eax
    mov %esp, esp_after
    mov %ebx, after_ebx
    mov %esi, after_esi
    mov %edi, after_edi
    mov %ebp, after_ebp
    mov %eax, after_eax
    fnstcw after_cw
    mov saved_ebp, %ebp
    fldcw -16(%ebp)
    mov 20(%ebp), %ecx
    mov after_eax, %eax
    mov %eax, 0(%ecx)              /* result */
    mov after_ebx, %eax
    mov %eax, 4(%ecx)
    mov after_esi, %eax
    mov %eax, 8(%ecx)
    mov after_edi, %eax
    mov %eax, 12(%ecx)
    mov after_ebp, %eax
    mov %eax, 16(%ecx)
    mov esp_after, %eax            /* bytes the callee removed */
    sub esp_before, %eax
    mov %eax, 20(%ecx)
    movzwl after_cw, %eax
    mov %eax, 24(%ecx)
    lea -12(%ebp), %esp
    pop %edi
    pop %esi
    pop %ebx
    pop %ebp
    ret

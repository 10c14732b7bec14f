"""For the Python tests: a program a test starts ends with the test.

Pass `preexec_fn=endet_mit_mir` to subprocess.Popen: the kernel then sends the program
SIGTERM when the test's process dies, also when ctest kills it for its timeout, so that
no player outlives its test and holds its port, folder or output pipe. (Linux only; the
signal follows the thread that started the program, here always the main thread.)
"""
import ctypes
import signal

_PR_SET_PDEATHSIG = 1


def endet_mit_mir():
    ctypes.CDLL(None, use_errno=True).prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)

"""What the scripts that measure the program against astropy share: the
interpreter that Debian's python3-astropy serves, installed when missing,
and the build of the probe programs of tools/CMakeLists.txt. Standard
library only, so that it can run before astropy is there."""
import importlib.util
import os
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DEBIAN_PYTHON = '/usr/bin/python3'  # the interpreter that python3-astropy serves


def ensure_astropy():
    """Installs python3-astropy when it is missing and makes sure the calling
    script runs under the interpreter it was installed for."""
    if importlib.util.find_spec('astropy'):
        return
    status = subprocess.run(['dpkg-query', '-W', '-f=${Status}', 'python3-astropy'],
                            capture_output=True, text=True).stdout
    if status != 'install ok installed':
        as_root = [] if os.geteuid() == 0 else ['sudo']
        subprocess.run(as_root + ['apt-get', 'update'], check=True, stdout=sys.stderr)
        subprocess.run(as_root + ['env', 'DEBIAN_FRONTEND=noninteractive', 'apt-get', 'install',
                                  '-y', 'python3-astropy'], check=True, stdout=sys.stderr)
    if os.path.realpath(sys.executable) != os.path.realpath(DEBIAN_PYTHON):
        os.execv(DEBIAN_PYTHON, [DEBIAN_PYTHON, *sys.argv])
    importlib.invalidate_caches()


def build_probe(target):
    """Configures build/ when it has never been, builds the probe program
    `target` (nothing to do when it is current) and returns its path."""
    build = ROOT / 'build'
    if not (build / 'CMakeCache.txt').exists():
        subprocess.run(['cmake', '-S', str(ROOT), '-B', str(build), '-G', 'Ninja', '-DORVEXAL_BUILD_UI=OFF'],
                       check=True, stdout=subprocess.DEVNULL)
    subprocess.run(['nice', '-n', '10', 'cmake', '--build', str(build), '-j2', '--target', target],
                   check=True, stdout=subprocess.DEVNULL)
    return build / 'tools' / target

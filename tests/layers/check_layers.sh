#!/usr/bin/env bash
# What each folder may include. The build already refuses a header outside a target's layers (each
# target's include folder holds links to its own folders only); this check states the rule per folder,
# also for what the include path cannot stop: a "../" path, <QtWidgets/…> through Qt's own root
# folder, a header private to its folder, and a folder with no rule at all.
#
#   check_layers.sh SOURCE_DIR QT_HEADERS_DIR
#
# A project include is "folder/file.h" (a folder or one header named below) or a header beside the
# including file. A Qt include is checked by the module folder that holds it. Other <…> includes are
# the C++ and system headers, allowed everywhere.
set -u
source_dir=$1
qt_headers=$2

declare -A projects modules
rule() { projects[$1]=$2; modules[$1]=$3; }

#    folder            project folders and headers it may include           Qt modules
# The logic: Qt Core and the platform services only, never a window, the criteria dialog, the help
# program, the forms runtime or Qt Widgets; it reaches the windows through core/windows.h.
rule src/platform      "platform"                                           "QtCore QtGui QtNetwork"
rule src/core          "core engine platform"                               "QtCore"
rule src/core/records  "core engine platform"                               "QtCore"
rule src/engine        "core engine platform"                               "QtCore"
# The forms runtime: the one place for Qt Widgets; it knows no window of its own.
rule src/forms         "forms platform"                                     "QtCore QtGui QtWidgets"
# The windows speak in controls, never in widgets. The criteria dialog never reaches back into the
# main window.
rule src/criteria      "criteria core engine forms platform"                "QtCore QtGui"
rule src/mainwindow    "mainwindow criteria core engine forms platform"     "QtCore QtGui"
# The help program: of the main program's logic only the family codes and the keys (headers alone).
rule src/help          "help forms platform core/family_codes.h core/keys.h" "QtCore QtGui"
rule apps              "core mainwindow help forms platform"                "QtCore QtGui QtWidgets QtDBus"
# The tests: the engine's tests see the logic and the recording windows, no window and no widget.
rule tests/support     "support core forms platform"                        "QtCore QtGui QtWidgets QtTest"
rule tests/engine      "core engine platform support/fake_services.h support/recording_windows.h" "QtCore"
rule tests/core        "core mainwindow forms platform support"             "QtCore QtGui QtWidgets QtTest"
rule tests/criteria    "criteria mainwindow core engine forms platform support" "QtCore QtGui QtWidgets QtTest"
rule tests/mainwindow  "mainwindow criteria core engine forms platform support" "QtCore QtGui QtWidgets QtTest"
rule tests/help        "help forms platform core/family_codes.h core/keys.h support"    "QtCore QtGui QtWidgets QtTest"
rule tests/platform    "platform forms support"                             "QtCore QtGui QtWidgets QtTest"
# A stand-in for a window file, built to see the compiler refuse a reach behind the controls.
rule tests/layers      "forms platform"                                     "QtCore QtGui"

# Headers private to their folder, and the only other folders that may look behind them: the
# widgets behind the controls are the forms runtime's own (the window tests' harness reads them).
declare -A private_to
private_to[forms/forms_p.h]="src/forms tests/support"
# The tests' own way to the widget behind a control and the window behind a form: no program file.
private_to[forms/forms_testing.h]="tests/support tests/core tests/criteria tests/mainwindow tests/help tests/platform"

declare -A module_of
qt_module() {  # the Qt module folder that holds header $1, or nothing
    local name=$1
    if [[ $name == */* ]]; then
        echo "${name%%/*}"
        return
    fi
    if [[ -z ${module_of[$name]+set} ]]; then
        local found
        found=$(cd "$qt_headers" && ls -d Qt*/"$name" 2>/dev/null | head -n1)
        module_of[$name]=${found%%/*}
    fi
    echo "${module_of[$name]}"
}

in_list() {  # is word $1 in the space-separated list $2
    local word
    for word in $2; do [[ $word == "$1" ]] && return 0; done
    return 1
}

faults=0
fault() {
    echo "$1: $2" >&2
    faults=$((faults + 1))
}

cd "$source_dir" || exit 2
while IFS= read -r -d '' file; do
    folder=${file%/*}
    if [[ -z ${projects[$folder]+set} ]]; then
        fault "$file" "the folder $folder has no rule of what it may include"
        continue
    fi
    while IFS= read -r line; do
        number=${line%%:*}
        [[ ${line#*:} =~ include[[:space:]]*([<\"][^>\"]*[>\"]) ]] || continue
        target=${BASH_REMATCH[1]}
        where="$file:$number"
        case $target in
        \"*\")
            header=${target:1:${#target}-2}
            if [[ $header == *..* ]]; then
                fault "$where" "$header: a path that climbs out of the folder"
            elif [[ $header != */* ]]; then
                [[ -e $folder/$header ]] || fault "$where" "$header is not beside the file"
            elif ! in_list "${header%%/*}" "${projects[$folder]}" && ! in_list "$header" "${projects[$folder]}"; then
                fault "$where" "$header: $folder may include only ${projects[$folder]}"
            elif [[ -n ${private_to[$header]+set} ]] && ! in_list "$folder" "${private_to[$header]}"; then
                fault "$where" "$header is private to ${private_to[$header]}"
            fi
            ;;
        \<Q*\>)
            header=${target:1:${#target}-2}
            module=$(qt_module "$header")
            if [[ -z $module ]]; then
                fault "$where" "<$header> is in no Qt module"
            elif ! in_list "$module" "${modules[$folder]}"; then
                fault "$where" "<$header> is $module: $folder may use only ${modules[$folder]}"
            fi
            ;;
        esac
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include' "$file")
done < <(find src apps tests -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.cxx' \) -print0 | sort -z)

if ((faults)); then
    echo "$faults include(s) outside their layer" >&2
    exit 1
fi
echo "every include is within its layer"

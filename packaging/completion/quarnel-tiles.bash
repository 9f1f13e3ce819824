# bash completion for quarnel-tiles                          -*- shell-script -*-

# Adds the files whose names end in one of the given extensions (any letter
# case), and every folder, to the completions.
_quarnel_tiles_files()
{
    local cur=$1 pattern
    shift
    compopt -o filenames 2>/dev/null
    local IFS=$'\n'
    COMPREPLY+=($(compgen -d -- "$cur"))
    for pattern in "$@"; do
        COMPREPLY+=($(compgen -f -X "!$pattern" -- "$cur"))
    done
}

_quarnel_tiles()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()
    if ((COMP_CWORD == 1)); then
        COMPREPLY=($(compgen -W "export import diff info sample art fold hues --help" -- "$cur"))
        return
    fi

    # How many arguments that are not options stand between the command and the word.
    local i positional=0
    for ((i = 2; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            --format | --ids | --layout | --art | --out | --sheet | --in | --remove | --hue) i=$((i + 1)) ;;  # and the option's value
            -*) ;;
            *) positional=$((positional + 1)) ;;
        esac
    done
    if [[ $cur == -* ]]; then
        case ${COMP_WORDS[1]} in
            export) COMPREPLY=($(compgen -W "--format --ids --land --help" -- "$cur")) ;;
            import) COMPREPLY=($(compgen -W "--land --help" -- "$cur")) ;;
            sample) COMPREPLY=($(compgen -W "--layout --art --help" -- "$cur")) ;;
            art) COMPREPLY=($(compgen -W "--out --sheet --in --remove --ids --land --hue --help" -- "$cur")) ;;
            hues) COMPREPLY=($(compgen -W "--format --ids --sheet --help" -- "$cur")) ;;
            fold) COMPREPLY=($(compgen -W "--land --all --help" -- "$cur")) ;;
            *) COMPREPLY=($(compgen -W "--help" -- "$cur")) ;;
        esac
        return
    fi

    local mul='*.[mM][uU][lL]'
    case ${COMP_WORDS[1]} in
        export)
            case $prev in
                --format) COMPREPLY=($(compgen -W "csv jsonl" -- "$cur")) ;;
                --ids) ;;  # a hex id or range: nothing to offer
                *) ((positional == 0)) && _quarnel_tiles_files "$cur" "$mul" ;;
            esac
            ;;
        import)
            case $positional in
                0) _quarnel_tiles_files "$cur" "$mul" ;;
                1) _quarnel_tiles_files "$cur" '*.csv' '*.jsonl' '*.json' ;;
            esac
            ;;
        diff) ((positional < 2)) && _quarnel_tiles_files "$cur" "$mul" ;;
        info | fold) ((positional == 0)) && _quarnel_tiles_files "$cur" "$mul" ;;
        art)
            case $prev in
                --out | --in) compopt -o filenames 2>/dev/null; COMPREPLY=($(compgen -d -- "$cur")) ;;
                --sheet) _quarnel_tiles_files "$cur" '*.[pP][nN][gG]' ;;
                --ids | --hue | --remove) ;;  # numbers: nothing to offer
                *) ((positional == 0)) && _quarnel_tiles_files "$cur" "$mul" ;;
            esac
            ;;
        hues)
            case $prev in
                --format) COMPREPLY=($(compgen -W "csv jsonl" -- "$cur")) ;;
                --sheet) _quarnel_tiles_files "$cur" '*.[pP][nN][gG]' ;;
                --ids) ;;
                *) ((positional == 0)) && _quarnel_tiles_files "$cur" "$mul" ;;
            esac
            ;;
        sample)
            if [[ $prev == --layout ]]; then
                COMPREPLY=($(compgen -W "classic newer" -- "$cur"))
            elif [[ $prev == --art ]]; then
                COMPREPLY=($(compgen -W "index container" -- "$cur"))
            elif ((positional == 0)); then
                compopt -o filenames 2>/dev/null
                COMPREPLY=($(compgen -d -- "$cur"))
            fi
            ;;
    esac
    return 0
}
complete -F _quarnel_tiles quarnel-tiles

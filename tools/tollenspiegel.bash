# bash completion for tollenspiegel; made by `tollenspiegel --completion`.
_tollenspiegel() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
  if ((COMP_CWORD == 1)); then
    COMPREPLY=($(compgen -W "render view design sheet package reference --help --version --manual --completion" -- "$cur"))
    return
  fi
  case ${COMP_WORDS[1]} in
    render)
      case $prev in
        -o|--output) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --at) return ;;
        --seconds) return ;;
        --fps) return ;;
        --sound) COMPREPLY=($(compgen -f -- "$cur")); return ;;
      esac
      if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "-o --output --at --seconds --fps --start --strict --sound --help" -- "$cur"))
      else
        COMPREPLY=($(compgen -f -- "$cur"))
      fi
      ;;
    view)
      case $prev in
        --screenshot) COMPREPLY=($(compgen -f -- "$cur")); return ;;
      esac
      if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "--start --strict --screenshot --help" -- "$cur"))
      else
        COMPREPLY=($(compgen -f -- "$cur"))
      fi
      ;;
    design)
      case $prev in
        --script) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --screenshot) COMPREPLY=($(compgen -f -- "$cur")); return ;;
      esac
      if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "--shell --script --screenshot --help" -- "$cur"))
      else
        COMPREPLY=($(compgen -f -- "$cur"))
      fi
      ;;
    sheet)
      case $prev in
        -o|--output) COMPREPLY=($(compgen -f -- "$cur")); return ;;
      esac
      if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "-o --output --help" -- "$cur"))
      fi
      ;;
    package)
      case $prev in
        --png) COMPREPLY=($(compgen -d -- "$cur")); return ;;
      esac
      if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "--exports --png --help" -- "$cur"))
      else
        COMPREPLY=($(compgen -f -- "$cur"))
      fi
      ;;
    reference)
      case $prev in
        -o|--output) COMPREPLY=($(compgen -f -- "$cur")); return ;;
      esac
      if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "-o --output --help" -- "$cur"))
      fi
      ;;
  esac
}
complete -o filenames -F _tollenspiegel tollenspiegel

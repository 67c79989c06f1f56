# Writes the starting corpus of one fuzz program into a folder of the build:
#   cmake -DPROGRAMME=<name> -DRACINE=<source folder> -DSORTIE=<folder> -P Graines.cmake
# The starting inputs are the shipped data files and the test fixtures the program
# reads, each behind the character headers below when the program takes a
# character (see Entree.h), and two files joined by the separator "#####"
# when it reads two.

set(donnees ${RACINE}/data)
file(REMOVE_RECURSE ${SORTIE})
file(MAKE_DIRECTORY ${SORTIE})
set(temporaire ${SORTIE}.tmp)
file(MAKE_DIRECTORY ${temporaire})
file(WRITE ${temporaire}/separateur "#####")

# The order of Classes::Liste() and Classes::Races().
set(classes Clerc Druide Guerrier Paladin Ranger Mage Illusioniste Voleur Barde
    Clerc-Guerrier Clerc-Ranger Clerc-Mage Clerc-Voleur Clerc-Illusioniste
    Druide-Mage Druide-Guerrier Guerrier-Mage Guerrier-Voleur Guerrier-Illusioniste
    Mage-Voleur Voleur-Illusioniste Guerrier-Mage-Voleur Clerc-Guerrier-Mage Druide-Guerrier-Mage)
set(races Humain Elfe Demi-Elfe Hobbit Nain Gnome)

# A number field's byte (TexteNombre): 0 to max, or "vide" (the empty text).
# Every byte is its value plus a multiple of its range, so that none is 0,
# CR or LF.
function(octet_nombre sortie texte max)
  math(EXPR modulo "${max} + 6")
  if(texte STREQUAL "vide")
    math(EXPR v "${max} + 1 + ${modulo}")
  else()
    math(EXPR v "${texte} + ${modulo}")
  endif()
  set(${sortie} ${v} PARENT_SCOPE)
endfunction()

# The header: class, Niveau 1 to 3, race, Force, Intelligence, Sagesse,
# Dextérité, Constitution, Charisme, Beauté, Extra, the three choice bytes
# (1 to 255, neither CR nor LF); the spheres are the standard cleric's.
function(entete nom classe n1 n2 n3 race force intelligence sagesse dexterite constitution charisme beaute extra c1 c2 c3)
  list(FIND classes ${classe} c)
  math(EXPR c "${c} + 25")
  list(FIND races ${race} r)
  if(r LESS 0)
    set(r 6)
  endif()
  math(EXPR r "${r} + 14")
  set(codes ${c})
  foreach(n ${n1} ${n2} ${n3})
    octet_nombre(o ${n} 25)
    list(APPEND codes ${o})
  endforeach()
  list(APPEND codes ${r})
  foreach(n ${force} ${intelligence} ${sagesse} ${dexterite} ${constitution} ${charisme} ${beaute})
    octet_nombre(o ${n} 25)
    list(APPEND codes ${o})
  endforeach()
  octet_nombre(o ${extra} 100)
  list(APPEND codes ${o} 215 85 86 213 ${c1} ${c2} ${c3})
  string(ASCII ${codes} octets)
  file(WRITE ${temporaire}/entete-${nom} "${octets}")
endfunction()

entete(guerrier     Guerrier             5  vide vide Humain    18  9 10 12 15  8 10  50  1   2   3)
entete(pretre       Clerc-Guerrier-Mage  7  6  5     Elfe      12 16 18 14 13 11 12  vide 200 77  5)
entete(paladin      Paladin              12 vide vide Nain      17  9 13 10 17 17 14  vide 40  255 99)
entete(ranger       Ranger               9  vide vide Demi-Elfe 18 14 16 16 14 12 13  100 31  128 7)
entete(barde        Barde                20 vide vide Hobbit    10 15  9 18 10 16 15  vide 64  33  250)
entete(druide       Druide-Mage          25 3  vide  Gnome     11 19 25 12 16 18 18  vide 17  170 42)
entete(voleur       Voleur-Illusioniste  3  4  vide  Elfe       9 17 10 17 11  9  9  vide 129 3   200)
entete(debutant     Mage                 1  0  0     aucune     3  3  3  3  3  3  3  0    9   9   9)

# One starting input per header, of the header and the files.
function(graines_avec_entetes)
  foreach(nom guerrier pretre paladin ranger barde druide voleur debutant)
    set(morceaux ${temporaire}/entete-${nom})
    set(premier TRUE)
    foreach(f ${ARGN})
      if(NOT premier)
        list(APPEND morceaux ${temporaire}/separateur)
      endif()
      set(premier FALSE)
      list(APPEND morceaux ${f})
    endforeach()
    execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${morceaux} OUTPUT_FILE ${SORTIE}/${nom}
                    RESULT_VARIABLE r)
    if(NOT r EQUAL 0)
      message(FATAL_ERROR "Graine ${nom} de ${PROGRAMME} non écrite")
    endif()
  endforeach()
endfunction()

# The files as they are.
function(graines_telles_quelles)
  foreach(f ${ARGN})
    get_filename_component(nom ${f} NAME)
    file(COPY_FILE ${f} ${SORTIE}/${nom})
  endforeach()
endfunction()

file(GLOB personnages ${RACINE}/tests/app/personnages/*.vdl ${RACINE}/fuzz/graines/*.vdl)
file(GLOB tout ${donnees}/*)

if(PROGRAMME STREQUAL "fuzz_liste_texte")
  graines_telles_quelles(${tout} ${personnages})
elseif(PROGRAMME STREQUAL "fuzz_champs")
  graines_telles_quelles(${RACINE}/fuzz/graines/champs.txt ${donnees}/Vardel.Arm ${donnees}/Vardel.nwp)
elseif(PROGRAMME STREQUAL "fuzz_fichier_personnage")
  graines_telles_quelles(${personnages})
elseif(PROGRAMME STREQUAL "fuzz_fichier_sorts")
  # The first records of each level of Mage.mag and its level ends: the
  # whole file is longer than this program's inputs.
  graines_telles_quelles(${RACINE}/fuzz/graines/debuts-de-niveaux.mag)
elseif(PROGRAMME STREQUAL "fuzz_xp")
  graines_avec_entetes(${donnees}/XP.dat)
elseif(PROGRAMME STREQUAL "fuzz_jets_protection")
  graines_avec_entetes(${donnees}/ST.dat)
elseif(PROGRAMME STREQUAL "fuzz_ajustements")
  graines_avec_entetes(${donnees}/Vardel.Aju)
elseif(PROGRAMME STREQUAL "fuzz_resume_classe_race")
  graines_avec_entetes(${donnees}/comprace.dat ${donnees}/XP.dat)
elseif(PROGRAMME STREQUAL "fuzz_spheres")
  graines_avec_entetes(${donnees}/sorts2.dat ${donnees}/Clercs5.dat)
elseif(PROGRAMME STREQUAL "fuzz_categories")
  graines_avec_entetes(${donnees}/Vardel.cat)
elseif(PROGRAMME STREQUAL "fuzz_competences")
  graines_avec_entetes(${donnees}/Vardel.nwp)
elseif(PROGRAMME STREQUAL "fuzz_armes")
  graines_avec_entetes(${donnees}/Vardel.Arm)
elseif(PROGRAMME STREQUAL "fuzz_exigences")
  graines_avec_entetes(${donnees}/Exigences.dat)
else()
  message(FATAL_ERROR "Pas de graines pour le programme ${PROGRAMME}")
endif()

file(REMOVE_RECURSE ${temporaire})

/* Identifiers of the program's own resources, shared by the .rc file and the
   code that loads them. Bitmaps are named by text, as the windows ask for
   them by name. */
#ifndef KOVRENA_RESOURCES_RESOURCE_IDS_H
#define KOVRENA_RESOURCES_RESOURCE_IDS_H

#define IDI_KOVRENA 1          /* program icon: 16, 32, 48 px, 256 colours */
#define IDI_HAKKINDA_PENCERE 2 /* about window icon: two people, 32 px */
#define IDI_HAKKINDA_RESIM 3   /* about window picture: monitor and palette, 32 px */
#define IDC_EL_ANA 10          /* pointing hand over "?", hot spot (5, 0) */
#define IDC_EL_BAGLANTI 11     /* pointing hand over the about links, hot spot (7, 1) */

/* Named bitmaps (RT_BITMAP with text names):
   "KAPAT" "KAPATALT" "KAPATUST" "SIMGE" "SIMGEALT" "SIMGEUST"  19 x 19, 24 bpp
   "ZEMIN"          main window background, 444 x 339
   "BASLIK"         title picture "Kovrena", 163 x 24
   "YARDIMISARETI"  the "?" picture, 17 x 17 */

#endif

#pragma once
// The fixed texts of the help window frmYardım.
#include <string>
#include <string_view>

namespace kovrena::dialogs {

inline constexpr std::string_view kHelpWindowTitle = "Yardım ve Uyarılar";
inline constexpr std::string_view kHelpLabelCaption = "KOVRENA YARDIM VE UYARILAR";  // Label1
inline constexpr std::string_view kOkCaption = "Tamam";                          // cmdTamam

// The pieces of the help text. Their spelling is the program's own and is
// kept as it stands ("kısımanda", "değildir.Eğer", "zaman da").
inline constexpr std::string_view kHelpP1 =
    "Bu program yalnızca Windows XP işletim sistemi için geçerlidir. Diğer işletim sistemlerinde "
    "programlara dışarıdan XP Stili görünüm kazandırılamaz.";
inline constexpr std::string_view kHelpHeading = "Ön Bilgi:";
inline constexpr std::string_view kHelpP2 =
    "Windows XP işletim sistemi, programdaki denetimleri XP tarzı göstermesi için programın "
    "açılışta belli rutin bazı işlemleri yapmış olmasını ister. Bu işlemler XP tarzı görünüme "
    "özel işlemler değildir.Eğer seçtiğiniz program bu rutin işlemleri gerçekleştirmemişse "
    "Windows XP hata uyarısı vererek programı sonlandıracaktır. Bu durum bizim veya program "
    "üreticisinin bir hatası (bug) değildir. Bu durumda XP Stili Görünüm uygulamasını geri "
    "almanız gerekmektedir. Yapılan değişikliği geri al seçeneği ile programı eski durumuna geri "
    "alabilirsiniz. Bunu istediğiniz herhangi bir zaman da yapabilirsiniz.";
inline constexpr std::string_view kHelpP3 =
    "Ön Bilgi kısımanda bahsettiğimiz gibi her XP Stili Görünüm uygulanan programın çalışma "
    "garantisi yoktur. Fakat piyasadaki çoğu program herhangi bir hata oluşturmadan düzgün "
    "çalışabilmektedir. Daha ilk çalıştırmada hata almıyorsanız çok büyük ihtimalle programınız "
    "düzgün çalışacaktır.";
inline constexpr std::string_view kHelpP4 =
    "Program ile ilgili karşılaşacağınız problem ve sorular için bize başvurabilirsiniz.";

// The whole help text (UTF-8, CR LF line breaks) that the window's load puts
// into txtYardım in one assignment.
std::string HelpText();

}  // namespace kovrena::dialogs
